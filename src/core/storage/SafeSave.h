#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace trevik {

// The file that `path` names once its symbolic links are followed; the path itself when it is
// not a link or does not exist yet. A link to a missing file sets `error`.
std::filesystem::path followLinks(const std::filesystem::path& path, std::string& error);

struct SaveOptions {
    // The temporary file's name in the target's directory, locked while it is written; empty
    // for a unique name made from the target's name and six random characters.
    std::string fixedTempName;
    // Runs when the temporary file is complete on disk, just before it replaces the target.
    std::function<void()> beforeReplace;
};

// Replaces the file `target` by `bytes` so that at every instant one complete file exists under
// its name: the bytes go to a temporary file beside the file the target's links lead to (so a
// link stays a link), are flushed, get the old file's mode (0600 for a new file) and are renamed
// over it. Returns why it failed, empty on success; on failure the old file is unchanged.
std::string saveSafely(const std::filesystem::path& target, std::string_view bytes,
                       const SaveOptions& options = {});

// Removes `file` when it is a leftover of an interrupted save: a plain file no process holds.
void removeStaleTemporary(const std::filesystem::path& file);
// The same for every unique temporary file that saveSafely may have left beside `target`.
void removeStaleTemporaries(const std::filesystem::path& target);

} // namespace trevik
