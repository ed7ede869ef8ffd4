#ifndef FileOutputH
#define FileOutputH

// What every file the window writes shares besides SafeFileWriter (through which the bytes go, pictures by
// DiagramExport): where the export file dialogs start, and the message box of a failed write. Used by the main
// window's picture exports and the print dialog's PDF and page export.

#include <QString>

class QWidget;

class FileOutput {
public:
    /*! Where an export file dialog starts: the file last exported, else the project file, else the home
        directory; with native separators. */
    static QString startPath(const QString &lastExportFile, const QString &projectFile);
    /*! The box of a failed write: titled \a title, with \a errorText of SafeFileWriter or DiagramExport, which
        names the file and the reason. */
    static void showWriteError(QWidget *parent, const QString &title, const QString &errorText);
};

#endif // FileOutputH
