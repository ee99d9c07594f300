// A temporary folder tree (Games, Tracks, Classes, Teams) for tests that load and save
// files; removed when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/folders.h"

namespace tarmaq::testing {

class TempFolders {
 public:
  TempFolders() {
    char pattern[] = "/tmp/tarmaq-test-XXXXXX";
    root_ = mkdtemp(pattern);
    for (const char* sub : {"Games", "Tracks", "Classes", "Teams"})
      std::filesystem::create_directories(root_ / sub);
    folders_ = std::make_unique<FolderTree>(root_);
  }
  ~TempFolders() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempFolders(const TempFolders&) = delete;
  TempFolders& operator=(const TempFolders&) = delete;

  const FolderTree& folders() const { return *folders_; }
  const std::filesystem::path& root() const { return root_; }
  // Copies a file into one of the folders ("Classes", ...), keeping its name.
  void add(const std::string& folder, const std::filesystem::path& file) const {
    std::filesystem::copy_file(file, root_ / folder / file.filename(),
                               std::filesystem::copy_options::overwrite_existing);
  }

 private:
  std::filesystem::path root_;
  std::unique_ptr<FolderTree> folders_;
};

}  // namespace tarmaq::testing
