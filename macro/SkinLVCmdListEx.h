// The command list the editor creates: adds the script level that decides
// whether 0x83 rows open the script-command dialogs.
#pragma once

#include "macro/SkinLVCmdList.h"

class CSkinLVCmdListEx : public CSkinLVCmdList {
 public:
  static constexpr int kEditorScriptLevel = 1800;

  int ScriptLevel() const { return scriptLevel_; }
  void SetScriptLevel(int level) { scriptLevel_ = level; }
  bool OpensScriptDialogs() const { return scriptLevel_ >= 1796 && scriptLevel_ <= 2048; }

 private:
  int scriptLevel_ = kEditorScriptLevel;
};
