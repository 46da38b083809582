#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trevik {

// The notes file in the data directory: the note's bytes (Windows-1252, lines separated by
// CR LF) followed by one zero byte.
inline constexpr const char* kNotesFileName = "Notes.Txt";

// The note in `dir` (empty: the current directory): the file's bytes up to its first zero
// byte, or all of them when it has none. A missing file is an empty note, and an empty file is
// left in its place. Throws FileError when the file exists but cannot be read, so that the pad
// never shows an empty note over one it could not read.
std::string LoadNotes(const std::filesystem::path& dir);

// Replaces the notes file by `note` and one zero byte, through a temporary file and a rename:
// a crash leaves the old note or the new one, never part of either. Returns why it could not
// be stored, empty on success; the old file is then unchanged.
std::string SaveNotes(const std::filesystem::path& dir, std::string_view note);

} // namespace trevik
