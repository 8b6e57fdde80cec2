/* How the toolkit hands text to its callers. Every text result (GetListBoxText, GetGadgetText,
   READ_STRING, GETCURENTDIR, GET_GTOOL, OPENFILEREQUESTER, NEXTSELECTEDFILENAME) is a fresh,
   NUL-terminated copy that the caller owns: it is never null, it stays valid whatever the toolkit
   does next, and the caller gives it back with FREESTRING, once. Compiles as C and as C++. */
#ifndef TOLVEX_TOOLKIT_TEXT_RESULT_H
#define TOLVEX_TOOLKIT_TEXT_RESULT_H

#ifdef __cplusplus
#include <string>
extern "C" {
#endif

/* Releases a text result of the toolkit; a null pointer is ignored. */
void FREESTRING(char* text);

#ifdef __cplusplus
}

namespace tolvex {
// A text result for the caller to own; the empty text when memory runs out.
char* GiveText(const std::string& text);
// The text of a result, which it releases: the C++ program's way to every text result.
std::string TakeText(char* text);
}  // namespace tolvex
#endif

#endif
