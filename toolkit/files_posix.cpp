// Placeholder until the POSIX file operations land.
#include "toolkit/files.h"
extern "C" {
FileHandle READ_FILE(const char*, int) { return kBadFile; }
FileHandle CREATE_FILE(const char*, int) { return kBadFile; }
int E_O_F(FileHandle) { return 1; }
std::string READ_STRING(FileHandle) { return {}; }
int WRITE_STRING(FileHandle, const char*) { return 0; }
int CLOSE_FILE(FileHandle) { return 0; }
std::string GETCURENTDIR() { return {}; }
}
