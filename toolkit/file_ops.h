/* The file operations over native handles, as the toolkit exports them: open, create, test for
   the end, read a line, write a text, close, and the current directory. Compiles as C; text
   results are the caller's to release with FREESTRING (toolkit/text_result.h). */
#ifndef TOLVEX_TOOLKIT_FILE_OPS_H
#define TOLVEX_TOOLKIT_FILE_OPS_H

#include <stdint.h>

#include "toolkit/text_result.h"

/* A native file handle as an integer; -1 marks a failed open. */
typedef intptr_t FileHandle;

#ifdef __cplusplus
extern "C" {
#endif

FileHandle READ_FILE(const char* name, int flagsAndAttributes);
/* Creates or empties the file. */
FileHandle CREATE_FILE(const char* name, int flagsAndAttributes);
/* 1 when the position equals the size, also for a bad handle. */
int E_O_F(FileHandle handle);
/* One line: LF ends it, CR is dropped wherever it stands, end of file ends the last line; a NUL
   byte ends the text the caller sees. The handle's position afterwards stands right after the
   last byte of the line. */
char* READ_STRING(FileHandle handle);
/* The bytes of text up to its NUL, nothing added; 1 when every byte was written. */
int WRITE_STRING(FileHandle handle, const char* text);
int CLOSE_FILE(FileHandle handle);
/* The current directory, without leading or trailing blanks. */
char* GETCURENTDIR(void);

#ifdef __cplusplus
}
#endif

#endif
