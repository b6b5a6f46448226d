#pragma once
// Finds the file a media name stands for. Names rooted in the media folder ("\evy\1.wav",
// "/evy/1.wav") are looked up in the first folder named evy (any letter case) met while walking
// from the working directory up to "/"; bare names ("1.wav") in the working directory. Every
// further path component matches without regard to letter case. A drive prefix ("c:") is dropped.
#include <QString>

// The existing file's absolute path, or an empty string when there is none.
QString resolveMediaPath(const QString& name, const QString& workingDir);
QString resolveMediaPath(const QString& name);  // from the current directory

// The media folder itself as seen from `workingDir`, or an empty string.
QString findMediaRoot(const QString& workingDir);
