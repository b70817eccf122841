// Puts a path list on the clipboard as one CF_HDROP entry.
#ifndef DROPCLIP_CLIPBOARD_PUBLICATION_H
#define DROPCLIP_CLIPBOARD_PUBLICATION_H

#include <cstdint>

// Empties the clipboard and hands it the file-drop block for the paths.
// Borrows the list for the call only. On failure writes one line to standard
// error and returns false; on success writes nothing and returns true.
bool CopyFilesToClipboard(std::int32_t count, const wchar_t* const* paths);

#endif
