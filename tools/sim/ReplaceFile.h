#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Writes the file at path whole or not at all. write fills a new file made beside it; only a
// complete, flushed file is renamed over the name. Whatever stood there, a symlink planted in
// a shared folder included, is replaced rather than written through, and a failed write leaves
// the name as it was and nothing of its own. False when it failed.
bool ReplaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write);
