#pragma once
// Where the running program keeps the lock and the socket that make it the only one of
// its user. Whoever can write into that folder can stop the program from starting or
// receive the paths of the files it is given, so only a folder that belongs to the user
// and no one else will do: the user's runtime folder when it is such a folder, otherwise
// one made for the purpose under the user's cache folder. A file in it that belongs to
// someone else is never used.

#include <QString>

namespace plk {

/// The folder of the lock and the socket; empty when no folder of the user's own can be
/// had (the program then runs without looking for another instance).
QString instanceFolder();

/// True when `path` itself (not a link to it) is a folder owned by the effective user
/// that no one else may enter.
bool isPrivateFolder(const QString& path);

/// Creates `path` for the user alone when it does not exist, and takes the others' rights
/// away from a folder of the user's that has them; true when it is private afterwards.
bool makePrivateFolder(const QString& path);

/// True when `path` names nothing, or names a file (or socket) of the effective user's.
/// Links are not followed.
bool isFreeOrOwn(const QString& path);

}  // namespace plk
