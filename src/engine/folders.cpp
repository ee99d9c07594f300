#include "engine/folders.h"

#include <system_error>

namespace tarmaq {

ProgramFolders ProgramFolders::locate(const std::filesystem::path& executableDir,
                                      const std::filesystem::path& installedData,
                                      const std::filesystem::path& userData) {
  std::error_code ec;
  if (std::filesystem::is_directory(executableDir / "Tracks", ec))
    return ProgramFolders(executableDir, executableDir);
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

}  // namespace tarmaq
