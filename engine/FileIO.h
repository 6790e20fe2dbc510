// Writing whole files safely: into a temporary file beside the target, then
// renamed over it, so a failed or interrupted write leaves the previous file
// and no temporary file behind.
#pragma once

#include <string>
#include <vector>

namespace quillon {

// Path with every symbolic link along its last component followed, so that
// writing replaces the file a link points to and keeps the link. A path that
// is no link (or does not exist yet) is returned as it is. Raises QuillonError
// on a loop of links.
std::string ResolveLinks(const std::string& Path);

// Writes Bytes as the file Path (through links, see ResolveLinks). The
// temporary file is made new and unique beside the target, under a short
// name of its own whatever the length of the target's, never touching any
// other file; it gets the mode of the file it replaces (or the usual mode of
// a new file). Its bytes are synced to the disk before it is renamed over
// the target, and the folder after, so that a crash leaves the previous file
// or the whole new one. While it exists, SIGINT, SIGTERM and SIGHUP remove it
// before they end the program, and a file-size limit fails the write instead
// of ending the program. Raises QuillonError, naming the path and the
// reason, when anything fails; the target is then as it was.
void WriteFileAtomically(const std::string& Path, const std::vector<unsigned char>& Bytes);

}  // namespace quillon
