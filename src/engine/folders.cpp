#include "engine/folders.h"

#include <cstdlib>
#include <system_error>

namespace tarmaq {

ProgramFolders ProgramFolders::locate(const std::filesystem::path& executableDir,
                                      const std::filesystem::path& installedData,
                                      const std::filesystem::path& userData) {
  std::error_code ec;
  if (std::filesystem::is_directory(executableDir / "Tracks", ec))
    return ProgramFolders(executableDir, executableDir);
  const std::filesystem::path beside = executableDir.parent_path() / "share" / "tarmaq";
  if (std::filesystem::is_directory(beside / "Tracks", ec)) return ProgramFolders(beside, userData);
  return ProgramFolders(installedData, userData);
}

void ProgramFolders::createUserFolders() const {
  std::error_code ignored;
  std::filesystem::create_directories(games(), ignored);
  std::filesystem::create_directories(teams(), ignored);
}

std::filesystem::path executableDirectory() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return self.parent_path();
}

std::filesystem::path userDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return std::filesystem::path(xdg) / "tarmaq";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "tarmaq";
  std::error_code ec;
  return std::filesystem::current_path(ec) / "tarmaq";
}

}  // namespace tarmaq
