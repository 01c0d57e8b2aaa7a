// Configuration variables, text conversions and capabilities.
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "host/mssystem.h"
#include "sim/Strings.h"
#include "sim/host/HostState.h"

namespace {

// Expands $(NAME) references; undefined names expand to nothing. References nest at
// most a few levels deep so that a variable that names itself cannot loop.
std::string Expand(const std::string& text, int depth) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "$(") == 0) {
      size_t close = text.find(')', i + 2);
      if (close != std::string::npos) {
        std::string name = text.substr(i + 2, close - i - 2);
        auto it = sim::Host().cfgVars.find(name);
        if (it != sim::Host().cfgVars.end() && depth < 16) out += Expand(it->second, depth + 1);
        i = close + 1;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

std::map<int, bool>& DisabledCapabilities() {
  static std::map<int, bool> disabled;
  return disabled;
}

}  // namespace

char* mdlSystem_getExpandedCfgVar(const char* name) {
  if (!name) return nullptr;
  auto it = sim::Host().cfgVars.find(name);
  if (it == sim::Host().cfgVars.end()) return nullptr;
  return strdup(Expand(it->second, 0).c_str());
}

void mdlSystem_freeCfgVarBuffer(char* buffer) { std::free(buffer); }

StatusInt mdlSystem_expandCfgVar(char* expanded, int maxChars, const char* text) {
  if (!expanded || maxChars <= 0 || !text) return ERROR;
  std::string e = Expand(text, 0);
  if (e.size() >= static_cast<size_t>(maxChars)) return ERROR;
  std::memcpy(expanded, e.c_str(), e.size() + 1);
  return SUCCESS;
}

StatusInt mdlCnv_convertMultibyteToUnicode(const char* multibyte, int length, MSWChar* unicode, int maxChars) {
  if (!multibyte || !unicode || maxChars <= 0) return ERROR;
  std::string_view in = length < 0 ? std::string_view(multibyte) : std::string_view(multibyte, length);
  std::u16string w = sim::Utf8ToUtf16(in);
  size_t n = std::min(w.size(), static_cast<size_t>(maxChars - 1));
  if (n > 0 && n < w.size() && w[n - 1] >= 0xD800 && w[n - 1] <= 0xDBFF) --n;  // no half of a pair
  std::memcpy(unicode, w.data(), n * sizeof(MSWChar));
  unicode[n] = 0;
  return SUCCESS;
}

StatusInt mdlCnv_convertUnicodeToMultibyte(const MSWChar* unicode, int length, char* multibyte, int maxChars) {
  if (!unicode || !multibyte || maxChars <= 0) return ERROR;
  std::u16string_view in = length < 0 ? std::u16string_view(unicode) : std::u16string_view(unicode, length);
  std::string s = sim::Utf16ToUtf8(in);
  size_t n = std::min(s.size(), static_cast<size_t>(maxChars - 1));
  while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;  // whole characters only
  std::memcpy(multibyte, s.data(), n);
  multibyte[n] = 0;
  return SUCCESS;
}

int mdlCapability_isEnabled(int capability) { return DisabledCapabilities().count(capability) ? 0 : 1; }

namespace sim {
void SetCapability(int capability, bool enabled) {
  if (enabled)
    DisabledCapabilities().erase(capability);
  else
    DisabledCapabilities()[capability] = true;
}
}  // namespace sim
