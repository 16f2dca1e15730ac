#include "corekit/platform/posix/resource_notes.h"

#include <elf.h>
#include <link.h>

#include <cstdint>
#include <cstring>
#include <fstream>

#include "corekit/platform/module_handle.h"

namespace corekit::platform::posix {
namespace {

constexpr char NoteName[] = "corekit";
constexpr ElfW(Word) NoteType = 0x53455243;
// The ELF class of this machine's modules.
constexpr unsigned char NativeClass = __ELF_NATIVE_CLASS == 64 ? ELFCLASS64 : ELFCLASS32;

constexpr std::size_t AlignUp(std::size_t value, std::size_t align) {
  return (value + align - 1) / align * align;
}

// Calls found(descriptor, size) for every resource note in the bytes of a note segment.
// Notes are aligned to four or eight bytes; a segment that claims another alignment is not read,
// since its offsets could wrap.
template <typename Found>
void ForEachResourceNote(const BYTE* notes, std::size_t size, std::size_t align, Found found) {
  if (align < 4) align = 4;
  if (align != 4 && align != 8) return;
  std::size_t at = 0;
  while (at + sizeof(ElfW(Nhdr)) <= size) {
    ElfW(Nhdr) header;
    std::memcpy(&header, notes + at, sizeof header);
    const std::size_t name = at + sizeof header;
    if (header.n_namesz > size - name) return;
    const std::size_t descriptor = AlignUp(name + header.n_namesz, align);
    if (descriptor > size || header.n_descsz > size - descriptor) return;
    const std::size_t next = AlignUp(descriptor + header.n_descsz, align);
    if (header.n_type == NoteType && header.n_namesz == sizeof NoteName &&
        std::memcmp(notes + name, NoteName, sizeof NoteName) == 0) {
      found(notes + descriptor, static_cast<std::size_t>(header.n_descsz));
    }
    at = next;
  }
}

// The handle of a module as the dynamic linker reports it: the address of its first loaded segment.
const void* ModuleBase(const dl_phdr_info& info) {
  for (ElfW(Half) i = 0; i < info.dlpi_phnum; ++i) {
    if (info.dlpi_phdr[i].p_type == PT_LOAD) {
      return reinterpret_cast<const void*>(info.dlpi_addr + info.dlpi_phdr[i].p_vaddr);
    }
  }
  return nullptr;
}

struct Search {
  const void* module;
  std::vector<ResourceImage> images;
};

int CollectImages(dl_phdr_info* info, std::size_t, void* context) {
  auto& search = *static_cast<Search*>(context);
  if (ModuleBase(*info) != search.module) return 0;
  for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_NOTE) continue;
    const auto* notes = reinterpret_cast<const BYTE*>(info->dlpi_addr + segment.p_vaddr);
    ForEachResourceNote(notes, segment.p_memsz, segment.p_align,
                        [&search](const BYTE* data, std::size_t size) {
                          search.images.push_back({data, size});
                        });
  }
  return 1;
}

template <typename T>
bool ReadAt(std::ifstream& file, std::size_t offset, T* into, std::size_t count) {
  file.seekg(static_cast<std::streamoff>(offset));
  return static_cast<bool>(
      file.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count * sizeof(T))));
}

}  // namespace

std::vector<ResourceImage> LoadedModuleResourceImages(HINSTANCE module) {
  Search search{module != nullptr ? module : ExecutableModule(), {}};
  dl_iterate_phdr(&CollectImages, &search);
  return search.images;
}

std::vector<std::vector<BYTE>> FileResourceImages(const char* path) {
  std::vector<std::vector<BYTE>> images;
  std::ifstream file(path, std::ios::binary);
  ElfW(Ehdr) elf{};
  if (!file || !ReadAt(file, 0, &elf, 1) || std::memcmp(elf.e_ident, ELFMAG, SELFMAG) != 0 ||
      elf.e_ident[EI_CLASS] != NativeClass || elf.e_phentsize != sizeof(ElfW(Phdr))) {
    return images;
  }
  file.seekg(0, std::ios::end);
  const auto fileSize = static_cast<std::uint64_t>(file.tellg());
  std::vector<ElfW(Phdr)> segments(elf.e_phnum);
  if (!ReadAt(file, elf.e_phoff, segments.data(), segments.size())) return images;
  for (const ElfW(Phdr) & segment : segments) {
    // A segment larger than the file is damaged; its size is not allocated.
    if (segment.p_type != PT_NOTE || segment.p_filesz > fileSize) continue;
    std::vector<BYTE> notes(segment.p_filesz);
    if (!ReadAt(file, segment.p_offset, notes.data(), notes.size())) continue;
    ForEachResourceNote(
        notes.data(), notes.size(), segment.p_align,
        [&images](const BYTE* data, std::size_t size) { images.emplace_back(data, data + size); });
  }
  return images;
}

}  // namespace corekit::platform::posix
