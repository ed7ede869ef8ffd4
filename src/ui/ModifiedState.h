#ifndef ModifiedStateH
#define ModifiedStateH

// Whether the open project differs from its file, kept in one place: the undo stack is away from its clean
// index, or the project changed without a command (a file converted from the old format on opening, a new
// project never saved). The main window asks it for the title's mark and the close query.

#include <QObject>

class QUndoStack;

class ModifiedState : public QObject {
    Q_OBJECT
public:
    explicit ModifiedState(QUndoStack &undoStack, QObject *parent = nullptr);

    bool isModified() const;

    /*! Starts over for another project: clears the undo stack, so that no earlier command runs against it.
        \a modified: the project already differs from its file (converted, or never saved). */
    void reset(bool modified);
    /*! The project was written: its file holds the state of the current stack index. */
    void setSaved();

signals:
    /*! isModified() may have changed. */
    void changed();

private:
    QUndoStack &m_undoStack;
    bool m_changedWithoutCommand = false;
};

#endif // ModifiedStateH
