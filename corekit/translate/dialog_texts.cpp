#include "corekit/translate/dialog_texts.h"

#include "corekit/translate/resource_strings.h"
#include "corekit/winres/dialog_template.h"

bool ReadDialogTexts(const void* dialogTemplate, std::size_t size, TDialogTexts& texts) {
  corekit::winres::DialogTemplate dialog;
  if (dialogTemplate == nullptr ||
      !corekit::winres::ReadDialogTemplate(static_cast<const BYTE*>(dialogTemplate), size, dialog))
    return false;
  texts.caption = WideToAnsi(dialog.caption.c_str());
  texts.controls.clear();
  for (const corekit::winres::DialogTemplateItem& item : dialog.items)
    texts.controls.push_back({item.id, WideToAnsi(item.text.c_str())});
  return true;
}
