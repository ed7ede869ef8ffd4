#ifndef UserDirectoriesH
#define UserDirectoriesH

// Default per-user directories of the program, shared by the desktop program and the command-line tool so that
// both find the same user databases.

#include <QString>

namespace UserDirectories {

/*! Per-user data directory (log file, default user databases), with "/" as separator: the same path whatever
    the executable's name, since ".." climbs out of the per-application folder. */
QString userDataDir();
/*! The directory of the user databases when none is configured: userDataDir() + "/user_materials". It is not
    created here. */
QString defaultUserMaterialsDir();

} // namespace UserDirectories

#endif // UserDirectoriesH
