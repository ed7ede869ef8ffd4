#ifndef V2_UndoCommandBaseH
#define V2_UndoCommandBaseH

// Bases of every undoable edit of the open project. The editors and the main window create a command and push
// it onto the undo stack, which runs redo() at once; the stack's undo and redo step through the commands.
//
// Contract of every command:
// - It is handed the project, and plain values in the model's units (metres, kg/(m² s^0.5)); it never looks the
//   project, the settings or a widget up itself, and never converts a unit of the window.
// - It stores, at construction, what it needs to redo and undo (a layer index, a copy of a layer, a value).
//   Redo and undo restore exactly the earlier project state; the stack order guarantees that the layer list
//   has the shape the command was made for. A command that finds its layer index out of range does nothing.
// - It changes data only inside applyChange(), which then calls Project::setModified(modType), so that the
//   input check, the recalculation and the refresh of every view can never be forgotten. A composite edit
//   (adding a construction of several layers) is one change and recalculates once.
// - "Exchange" commands keep one value and swap it with the project's value; redo and undo are the same
//   operation (V2_UndoExchange). They are created with the new value and hold the old one after the push.
// - The layer table is held weakly and only for cosmetics: moving its selection to the affected column. It may
//   be gone. No command writes into an editor: the editors show the project when it signals the change.
// - No command merges with another: every edit is a stack entry of its own.

#include <model/Project.h>

#include <QPointer>
#include <QTableWidget>
#include <QUndoCommand>

#include <functional>

class V2_UndoCommandBase : public QUndoCommand {
public:
    /*! The command text is ": " followed by \a text, so that the undo action reads "Undo : <text>". */
    V2_UndoCommandBase(Project &project, const QString &text);

protected:
    /*! Runs \a change on the project's document and, when it reports a change (returns true), calls
        setModified(modType). Without a document nothing happens. */
    void applyChange(Project::ModificationType modType, const std::function<bool(Document &)> &change);

    /*! Number of layers of the project's construction; 0 without a document. */
    int layerCount() const;
    /*! True when the project has a layer with index \a i. */
    bool hasLayer(int i) const { return i >= 0 && i < layerCount(); }

    Project &m_project;
};

/*! A command that moves the layer table's selection to the column it affects. */
class V2_UndoTableViewBase : public V2_UndoCommandBase {
public:
    V2_UndoTableViewBase(Project &project, const QString &text, QTableWidget *table);

protected:
    /*! Makes \a column current in the layer table, when the table still exists and has that column. */
    void selectColumn(int column) const;

    QPointer<QTableWidget> m_table;
};

/*! Exchange semantics written once: redo and undo both swap the stored value with the project's. */
template <class Base> class V2_UndoExchange : public Base {
public:
    using Base::Base;
    void redo() override { exchange(); }
    void undo() override { exchange(); }

protected:
    virtual void exchange() = 0;
};

#endif // V2_UndoCommandBaseH
