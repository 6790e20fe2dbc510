// Where the command writes a file: standard output ("-") or a path checked
// before anything is computed, so a refusal costs nothing and touches no file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon {

struct OutputTarget {
  bool ToStdout = false;
  std::string Path;  // as typed; written through symbolic links
};

// Refuses (BadInput) an empty name, a name with an extension other than
// Extension ("bmp"; compared without regard to case; a name without one is
// taken as given), a directory, something other than a regular file, a
// read-only file, and a path whose folder does not exist or cannot be written.
// Format names what is written, for the message ("24-bit BMP").
OutputTarget CheckOutput(const std::string& Name, const std::string& Extension, const std::string& Format);

// Writes Bytes to the target; raises QuillonError when the write fails (the
// previous file is then as it was).
void WriteOutput(const OutputTarget& Target, const std::vector<unsigned char>& Bytes, std::ostream& Stdout);

// Refuses (BadInput) an input file that is not a regular file (a FIFO or a
// directory would be waited on or misread) or is longer than MaxSize bytes.
void CheckInputFile(const std::string& Path, long long MaxSize, const std::string& What);

}  // namespace quillon
