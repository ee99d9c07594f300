// Where the program finds its games, circuits, classes and teams.
#pragma once

#include <filesystem>

namespace tarmaq {

class Folders {
 public:
  virtual ~Folders() = default;
  virtual std::filesystem::path games() const = 0;
  virtual std::filesystem::path tracks() const = 0;
  virtual std::filesystem::path classes() const = 0;
  // The player's own teams folder: team files the editor writes go here, and it is
  // searched before the shipped one.
  virtual std::filesystem::path teams() const = 0;
  // The shipped teams folder (the same as teams() for a portable folder).
  virtual std::filesystem::path shippedTeams() const { return teams(); }
};

// Every folder below one root: the portable layout beside the executable, and the
// tests' temporary folder.
class FolderTree final : public Folders {
 public:
  explicit FolderTree(std::filesystem::path root) : root_(std::move(root)) {}
  std::filesystem::path games() const override { return root_ / "Games"; }
  std::filesystem::path tracks() const override { return root_ / "Tracks"; }
  std::filesystem::path classes() const override { return root_ / "Classes"; }
  std::filesystem::path teams() const override { return root_ / "Teams"; }
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace tarmaq
