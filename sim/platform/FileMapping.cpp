// Named sections of shared memory. Each section is an anonymous memory file; each
// view is its own mapping of that file, so views share bytes the way Windows views
// do, and a read-only view really is read-only.
#include "sim/platform/FileMapping.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string>

#include "platform/filemapping.h"
#include "sim/SimFailures.h"
#include "sim/platform/Failure.h"
#include "sim/platform/KernelObjects.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

// Larger requests are refused rather than reserved: no exchange needs more.
constexpr std::uint64_t kMaxSectionBytes = 256ull * 1024 * 1024;
constexpr std::uint64_t kAllocationGranularity = 64 * 1024;

// Shared by the handles that name it, never copied: its file is closed once.
struct Section {
  Section() = default;
  Section(const Section&) = delete;
  Section& operator=(const Section&) = delete;
  ~Section() {
    if (fd >= 0) ::close(fd);
  }
  int fd = -1;
  std::uint64_t size = 0;
  bool writable = false;
};

class SectionHandle : public KernelObject {
 public:
  SectionHandle(std::shared_ptr<Section> section, bool mayWrite) : section_(std::move(section)), mayWrite_(mayWrite) {}
  const std::shared_ptr<Section>& section() const { return section_; }
  bool mayWrite() const { return mayWrite_; }

 private:
  std::shared_ptr<Section> section_;
  bool mayWrite_;
};

struct View {
  std::shared_ptr<Section> section;  // keeps the section alive after its handles close
  std::size_t length = 0;
};

std::map<std::string, std::weak_ptr<Section>>& NamedSections() {
  static std::map<std::string, std::weak_ptr<Section>> sections;
  return sections;
}

std::map<const void*, View>& Views() {
  static std::map<const void*, View> views;
  return views;
}

std::shared_ptr<Section> FindNamed(const std::string& name) {
  auto& named = NamedSections();
  auto it = named.find(name);
  if (it == named.end()) return nullptr;
  std::shared_ptr<Section> section = it->second.lock();
  if (!section) named.erase(it);  // its last handle and view are gone
  return section;
}

bool WantsWrite(DWORD access) { return (access & FILE_MAP_WRITE) != 0; }

}  // namespace

void ResetFileMappings() {
  for (auto& [address, view] : Views()) ::munmap(const_cast<void*>(address), view.length);
  Views().clear();
  NamedSections().clear();
}

std::size_t MappedViewCount() { return Views().size(); }

}  // namespace sim

HANDLE CreateFileMappingA(HANDLE hFile, const SECURITY_ATTRIBUTES* lpFileMappingAttributes, DWORD flProtect,
                          DWORD dwMaximumSizeHigh, DWORD dwMaximumSizeLow, LPCSTR lpName) {
  if (sim::ShouldFail("CreateFileMappingA")) return sim::FailWith<HANDLE>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
  // Only sections of the paging file are offered; mappings of open files are not needed.
  if (hFile != INVALID_HANDLE_VALUE) return sim::FailWith<HANDLE>(ERROR_INVALID_HANDLE, nullptr);
  if (flProtect != PAGE_READONLY && flProtect != PAGE_READWRITE)
    return sim::FailWith<HANDLE>(ERROR_INVALID_PARAMETER, nullptr);

  if (lpName) {
    if (std::shared_ptr<sim::Section> existing = sim::FindNamed(lpName)) {
      HANDLE handle = sim::AddKernelObject(std::make_shared<sim::SectionHandle>(existing, existing->writable));
      SetLastError(ERROR_ALREADY_EXISTS);
      return handle;
    }
  }
  std::uint64_t size = (static_cast<std::uint64_t>(dwMaximumSizeHigh) << 32) | dwMaximumSizeLow;
  if (size == 0) return sim::FailWith<HANDLE>(ERROR_INVALID_PARAMETER, nullptr);
  if (size > sim::kMaxSectionBytes) return sim::FailWith<HANDLE>(ERROR_NOT_ENOUGH_MEMORY, nullptr);

  auto section = std::make_shared<sim::Section>();
  section->fd = ::memfd_create("quorvelle-section", MFD_CLOEXEC);
  // The memory file reads as zeros until written, and takes memory only when touched.
  if (section->fd < 0 || ::ftruncate(section->fd, static_cast<off_t>(size)) != 0)
    return sim::FailWith<HANDLE>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
  section->size = size;
  section->writable = flProtect == PAGE_READWRITE;
  if (lpName) sim::NamedSections()[lpName] = section;
  HANDLE handle = sim::AddKernelObject(std::make_shared<sim::SectionHandle>(section, section->writable));
  SetLastError(ERROR_SUCCESS);
  return handle;
}

HANDLE OpenFileMappingA(DWORD dwDesiredAccess, BOOL bInheritHandle, LPCSTR lpName) {
  if (!lpName) return sim::FailWith<HANDLE>(ERROR_INVALID_PARAMETER, nullptr);
  std::shared_ptr<sim::Section> section = sim::FindNamed(lpName);
  if (!section) return sim::FailWith<HANDLE>(ERROR_FILE_NOT_FOUND, nullptr);
  bool wantsWrite = sim::WantsWrite(dwDesiredAccess);
  if (wantsWrite && !section->writable) return sim::FailWith<HANDLE>(ERROR_ACCESS_DENIED, nullptr);
  return sim::AddKernelObject(std::make_shared<sim::SectionHandle>(section, wantsWrite));
}

LPVOID MapViewOfFile(HANDLE hFileMappingObject, DWORD dwDesiredAccess, DWORD dwFileOffsetHigh, DWORD dwFileOffsetLow,
                     SIZE_T dwNumberOfBytesToMap) {
  if (sim::ShouldFail("MapViewOfFile")) return sim::FailWith<LPVOID>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
  auto handle = sim::FindKernelObjectOf<sim::SectionHandle>(hFileMappingObject);
  if (!handle) return sim::FailWith<LPVOID>(ERROR_INVALID_HANDLE, nullptr);
  // FILE_MAP_COPY alone asks for a private copy; its bit is also part of FILE_MAP_ALL_ACCESS.
  bool copyOnWrite = dwDesiredAccess == FILE_MAP_COPY;
  bool wantsWrite = sim::WantsWrite(dwDesiredAccess);
  if (wantsWrite && !handle->mayWrite()) return sim::FailWith<LPVOID>(ERROR_ACCESS_DENIED, nullptr);

  const sim::Section& section = *handle->section();
  std::uint64_t offset = (static_cast<std::uint64_t>(dwFileOffsetHigh) << 32) | dwFileOffsetLow;
  if (offset % sim::kAllocationGranularity != 0) return sim::FailWith<LPVOID>(ERROR_MAPPED_ALIGNMENT, nullptr);
  if (offset >= section.size || dwNumberOfBytesToMap > section.size - offset)
    return sim::FailWith<LPVOID>(ERROR_ACCESS_DENIED, nullptr);
  std::size_t length = dwNumberOfBytesToMap ? dwNumberOfBytesToMap : static_cast<std::size_t>(section.size - offset);

  int protection = PROT_READ | (wantsWrite || copyOnWrite ? PROT_WRITE : 0);
  void* address = ::mmap(nullptr, length, protection, copyOnWrite ? MAP_PRIVATE : MAP_SHARED, section.fd,
                         static_cast<off_t>(offset));
  if (address == MAP_FAILED) return sim::FailWith<LPVOID>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
  sim::Views()[address] = sim::View{handle->section(), length};
  return address;
}

BOOL UnmapViewOfFile(LPCVOID lpBaseAddress) {
  auto& views = sim::Views();
  auto it = views.find(lpBaseAddress);
  if (it == views.end()) return sim::FailWith<BOOL>(ERROR_INVALID_ADDRESS, FALSE);
  ::munmap(const_cast<void*>(lpBaseAddress), it->second.length);
  views.erase(it);
  return TRUE;
}
