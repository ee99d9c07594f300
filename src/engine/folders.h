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

// The program's folders as found at run time. A folder beside the executable that holds
// "Tracks" is a portable installation (a build tree or an unpacked folder): everything
// is there. Otherwise the shipped circuits, classes and teams come from the installed
// data folder (share/tarmaq beside the executable's bin folder when it is there, so an
// installation moved to another prefix still finds them; else the folder it was built
// for), and the player's own games and teams from the user's data folder, created on
// first use.
class ProgramFolders final : public Folders {
 public:
  ProgramFolders(std::filesystem::path shipped, std::filesystem::path user)
      : shipped_(std::move(shipped)), user_(std::move(user)) {}
  // Decides the layout for an executable in `executableDir`.
  static ProgramFolders locate(const std::filesystem::path& executableDir,
                               const std::filesystem::path& installedData,
                               const std::filesystem::path& userData);

  std::filesystem::path games() const override { return user_ / "Games"; }
  std::filesystem::path tracks() const override { return shipped_ / "Tracks"; }
  std::filesystem::path classes() const override { return shipped_ / "Classes"; }
  std::filesystem::path teams() const override { return user_ / "Teams"; }
  std::filesystem::path shippedTeams() const override { return shipped_ / "Teams"; }
  bool portable() const { return shipped_ == user_; }
  // Creates the player's Games and Teams folders when they are missing.
  void createUserFolders() const;

 private:
  std::filesystem::path shipped_;
  std::filesystem::path user_;
};

// The directory of the running executable.
std::filesystem::path executableDirectory();

// The player's own data folder: $XDG_DATA_HOME/tarmaq, else ~/.local/share/tarmaq. The
// program and tarmaq-cli share it, so games made by one are found by the other.
std::filesystem::path userDataFolder();

}  // namespace tarmaq
