#pragma once
// Status codes of the picture writers, numbered and worded as the Windows imaging
// library (GDI+) publishes them, so that an "Erreur n°" message names the same
// failure on every platform.

#include <QString>

namespace plk {

enum class GdiStatus {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

/// The English text of a status; "Unknown GDI+ Error" for a number not in the list.
QString GdiErrorString(int status);

}  // namespace plk
