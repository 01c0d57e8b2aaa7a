// String linkages.
#include <cstring>

#include "host/mslinkage.h"
#include "sim/SimFailures.h"
#include "sim/Strings.h"

namespace {

// Fails when the element would outgrow the host's element size with the linkage.
bool Fits(const MSElement& el) { return mdlElement_size(&el) <= MAX_ELEMENT_SIZE; }

}  // namespace

StatusInt mdlLinkage_appendStringLinkage(MSElement* element, UShort linkageKey, const MSWChar* string) {
  if (!element || !string || sim::ShouldFail("mdlLinkage_appendStringLinkage")) return ERROR;
  element->linkages.push_back({linkageKey, string});
  if (!Fits(*element)) {
    element->linkages.pop_back();
    return ERROR;
  }
  return SUCCESS;
}

StatusInt mdlLinkage_extractStringLinkageByIndex(UShort* linkageKey, MSWChar* string, int maxChars, int index,
                                                 const MSElement* element) {
  if (!element || index < 0 || static_cast<size_t>(index) >= element->linkages.size()) return ERROR;
  const StringLinkage& l = element->linkages[index];
  if (linkageKey) *linkageKey = l.key;
  if (string && maxChars > 0) sim::CopyWide(string, maxChars, l.text);
  return SUCCESS;
}

StatusInt mdlLinkage_extractNamedStringLinkageByIndex(MSWChar* string, int maxChars, UShort linkageKey, int index,
                                                      const MSElement* element) {
  if (!element || index < 0) return ERROR;
  for (const auto& l : element->linkages)
    if (l.key == linkageKey && index-- == 0) {
      if (string && maxChars > 0) sim::CopyWide(string, maxChars, l.text);
      return SUCCESS;
    }
  return ERROR;
}

StatusInt mdlLinkage_setStringLinkage(MSElement* element, UShort linkageKey, const MSWChar* string) {
  if (!element || !string || sim::ShouldFail("mdlLinkage_setStringLinkage")) return ERROR;
  for (auto& l : element->linkages)
    if (l.key == linkageKey) {
      std::u16string old = std::move(l.text);
      l.text = string;
      if (!Fits(*element)) {
        l.text = std::move(old);
        return ERROR;
      }
      return SUCCESS;
    }
  return mdlLinkage_appendStringLinkage(element, linkageKey, string);
}

StatusInt mdlLinkage_deleteStringLinkage(MSElement* element, UShort linkageKey, int index) {
  if (!element || index < 0) return ERROR;
  for (auto it = element->linkages.begin(); it != element->linkages.end(); ++it)
    if (it->key == linkageKey && index-- == 0) {
      element->linkages.erase(it);
      return SUCCESS;
    }
  return ERROR;
}
