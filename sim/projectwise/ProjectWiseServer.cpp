#include "sim/projectwise/ProjectWiseServer.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <map>

#include "platform/registry.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

std::string& ServerSetting() {
  static std::string folder;
  return folder;
}
std::deque<std::string>& Choices() {
  static std::deque<std::string> choices;
  return choices;
}
// Working copies: Windows path, letter case folded, to server path.
std::map<std::string, std::string>& Copies() {
  static std::map<std::string, std::string> copies;
  return copies;
}

// The document's file in the server folder, or "" when the path names none there.
std::filesystem::path DocumentFile(const std::string& serverPath, std::string* error) {
  const std::string folder = ProjectWiseServerFolder();
  const std::size_t prefix = sizeof kServerPathPrefix - 1;
  if (folder.empty()) {
    *error = "No ProjectWise server is connected.";
    return {};
  }
  if (serverPath.size() <= prefix + 1 || !EqualsIgnoringCase(serverPath.substr(0, prefix), kServerPathPrefix) ||
      serverPath.back() != '*') {
    *error = "The path " + serverPath + " is no document of the server.";
    return {};
  }
  std::string relative = serverPath.substr(prefix, serverPath.size() - prefix - 1);
  for (char& c : relative)
    if (c == '\\') c = '/';
  std::filesystem::path file = std::filesystem::path(folder) / relative;
  const std::string normal = file.lexically_normal().string();
  std::error_code ec;
  // Nothing outside the server's folder is a document of it.
  if (normal.rfind(std::filesystem::path(folder).lexically_normal().string(), 0) != 0 ||
      !std::filesystem::is_regular_file(file, ec)) {
    *error = "The document " + serverPath + " does not exist on the server.";
    return {};
  }
  return file;
}

}  // namespace

void SetProjectWiseServer(const std::string& linuxFolder) { ServerSetting() = linuxFolder; }

std::string ProjectWiseServerFolder() {
  if (!ServerSetting().empty()) return ServerSetting();
  const char* fromEnvironment = std::getenv("QUORVELLE_PW_SERVER");
  return fromEnvironment ? fromEnvironment : "";
}

std::string FetchServerDocument(const std::string& serverPath, std::string* error) {
  const std::filesystem::path file = DocumentFile(serverPath, error);
  if (file.empty()) return "";
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec) / "QuorvellePW";
  std::filesystem::create_directories(folder, ec);
  for (int n = 1; n < 10000; ++n) {
    const std::filesystem::path copy = folder / (std::to_string(n) + "_" + file.filename().string());
    // Another process may take the same name meanwhile: the copy then fails and the
    // next name is tried.
    if (std::filesystem::exists(copy, ec) || !std::filesystem::copy_file(file, copy, ec)) continue;
    const std::string windows = ToWindowsPath(copy.string());
    Copies()[FoldCase(windows)] = serverPath;
    return windows;
  }
  *error = "The document " + serverPath + " could not be copied from the server.";
  return "";
}

std::string ServerPathOfCopy(const std::string& windowsPath) {
  auto found = Copies().find(FoldCase(windowsPath));
  return found == Copies().end() ? "" : found->second;
}

void PushProjectWiseChoice(const std::string& serverPath) { Choices().push_back(serverPath); }

std::string TakeProjectWiseChoice() {
  if (Choices().empty()) return "";
  std::string choice = Choices().front();
  Choices().pop_front();
  return choice;
}

}  // namespace sim
