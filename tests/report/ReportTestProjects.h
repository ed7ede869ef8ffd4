#ifndef ReportTestProjectsH
#define ReportTestProjectsH

// Projects of the report tests, read from tests/data/report exactly as the program opens them and calculated.

#include <model/Document.h>
#include <model/Project.h>

#include <QLocale>
#include <QString>

namespace ReportTest {

/*! Reads and calculates tests/data/report/<name>.v2p into \a document; false when the file cannot be read. */
inline bool loadProject(const QString &name, Document &document) {
    Project project;
    QString errorText;
    if (!project.read(QStringLiteral(HYGROLUX_TEST_DATA_DIR "/report/%1.v2p").arg(name), errorText))
        return false;
    document = *project.document();
    document.recalculate();
    return true;
}

/*! Numbers as the program shows them, independent of the machine's locale. */
inline void useProgramLocale() {
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

} // namespace ReportTest

#endif // ReportTestProjectsH
