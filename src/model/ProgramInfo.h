#ifndef ProgramInfoH
#define ProgramInfoH

// Name and version of the program, shared by the desktop program, the report and the
// command-line tool.

#include <QString>

namespace ProgramInfo {

/*! Product name shown in the start line, the about box and the report. */
QString productName();
/*! Version number, for example "2.4.0". */
QString version();
/*! The resources directory (material database, translations, help): the executable's directory +
    "/resources" where it exists (build tree), else "../share/hygrolux2/resources" beside the executable's
    directory (installation). */
QString resourcesDir();

} // namespace ProgramInfo

#endif // ProgramInfoH
