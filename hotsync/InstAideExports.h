#pragma once

// The four entry points that libinstaide.so exports. Callers load the library and look these up by name;
// nothing links against it.
extern "C" {

// Number of users in the store; 0 when there is no store yet, a negative code when it cannot be read.
int InstAideUserCount();

// Copies the name of user `index` (0-based, in the order the users were added) with its NUL into `name`,
// a buffer of `*size` bytes. On success sets `*size` to the name's length and returns that length (> 0).
// When the buffer is too small, sets `*size` to the bytes needed and returns INSTAIDE_BUFFER_TOO_SMALL.
int InstAideUserName(int index, char* name, int* size);

// Places payload file `fileName` (a bare name) in the install folder of `user`. Returns INSTAIDE_OK, or
// INSTAIDE_FILE_EXISTS when a file of that name already waits there, or another negative code.
int InstAideInstallFile(const char* user, const char* fileName);

// Removes file `fileName` waiting in the install folder of `user`.
int InstAideClearFile(const char* user, const char* fileName);
}
