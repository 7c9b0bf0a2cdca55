// Fuzz target: the English message catalogue. Before each input a small valid catalogue is
// read; then the input is read as a catalogue. Read twice, the input gives the same answer;
// refused, it leaves the catalogue before it in place (English still shows that one's texts);
// taken, every text the program could ask for (each zero-ended piece of the input) translates
// to a whole text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/mo_image.h"
#include "platform/language.h"

namespace {

constexpr char kInputName[] = "input.mo";
constexpr char kBeforeName[] = "before.mo";
constexpr char kBeforeSource[] = "試合";
constexpr char kBeforeText[] = "Match";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool kBeforeWritten = [] {
    fuzz::EnsureStarted();
    const auto before = fuzz::MoImage(
        {{"", "Content-Type: text/plain; charset=UTF-8\n"}, {kBeforeSource, kBeforeText}});
    fuzz::WriteInput(kBeforeName, before.data(), before.size());
    return true;
  }();
  (void)kBeforeWritten;
  fuzz::WriteInput(kInputName, data, size);
  platform::ResetLanguage();
  if (!platform::LoadCatalogue(kBeforeName)) std::abort();
  const bool taken = platform::LoadCatalogue(kInputName);
  if (platform::LoadCatalogue(kInputName) != taken) std::abort();
  // The catalogue is read already: English needs no file now.
  if (!platform::SetLanguage(platform::Language::kEnglish)) std::abort();
  if (!taken && std::strcmp(platform::Translate(kBeforeSource), kBeforeText) != 0) std::abort();
  if (taken) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t end = bytes.find('\0', at);
      const std::string piece = bytes.substr(at, end - at);
      const char* shown = platform::Translate(piece.c_str());
      if (shown == nullptr ||
          platform::Translate(std::string_view(piece)).size() != std::strlen(shown)) {
        std::abort();
      }
      if (end == std::string::npos) break;
      at = end + 1;
    }
  }
  platform::ResetLanguage();
  return 0;
}
