#pragma once

// Result codes of the install aide's entry points. Success is 0 (or, for the user name call, the name's
// length); every failure has a negative code of its own so that a caller or a log can tell them apart.
namespace hotsync {

constexpr int INSTAIDE_OK = 0;
constexpr int INSTAIDE_NO_SUCH_USER = -1;      // no user of that name, or a user index out of range
constexpr int INSTAIDE_BAD_FILE_NAME = -2;     // empty, has a folder part, hidden, or unusable bytes
constexpr int INSTAIDE_MISSING_SOURCE = -3;    // no such file in the payload folder
constexpr int INSTAIDE_INVALID_DATABASE = -4;  // the source is not a well-formed Palm database
constexpr int INSTAIDE_IO_FAILURE = -5;        // reading the store or writing the file failed
constexpr int INSTAIDE_BAD_ARGUMENT = -6;      // a null pointer or an impossible size
constexpr int INSTAIDE_BUFFER_TOO_SMALL = -7;  // the name does not fit the caller's buffer
constexpr int INSTAIDE_NOT_WAITING = -8;       // clear: no file of that name waits for the user
constexpr int INSTAIDE_INTERNAL_FAILURE = -9;  // out of memory or another unexpected failure
constexpr int INSTAIDE_FILE_EXISTS = -512;     // a file of that name already waits for the user

}  // namespace hotsync
