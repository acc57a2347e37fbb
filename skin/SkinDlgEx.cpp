#include "skin/SkinDlgEx.h"

#include <commdlg.h>

#include "skin/BoxTexts.h"
#include "skin/SkinIds.h"

namespace {

constexpr int kDragStrip = 35;
constexpr int kFolderBrowsePicture = 239;
constexpr COLORREF kTextColour = RGB(213, 213, 218);

const int kBoxTexts[] = {IDC_FOLDER_TEXT, IDC_MODE_TEXT_1, IDC_MODE_TEXT_2, IDC_MODE_TEXT_3,
                         IDC_MODE_TEXT_4, IDC_MESSAGE_TEXT, IDC_FIRST_LINE};

std::vector<int> Sequence(int first, int count) {
  std::vector<int> ids;
  for (int n = 0; n < count; ++n) ids.push_back(first + n);
  return ids;
}

}  // namespace

CSkinDlgEx::CSkinDlgEx() : CSkinBGDlg(IDD_MESSAGE_BOX, true) {}

void CSkinDlgEx::SetKind(int kind) {
  kind_ = kind;
  SetBackgroundId(kind);
  SetDragHeight(kDragStrip);
  panelPicture_ = kind == 342 ? 157 : 156;
}

bool CSkinDlgEx::ProgressKind() const {
  switch (kind_) {
    case 339: case 340: case 341: case 348: case 349: case 351: case 352:
      return true;
    default:
      return false;
  }
}

BOOL CSkinDlgEx::OnInitDialog() {
  // A panel left from an earlier run would take this run's OK and Cancel.
  panel_.reset();
  CWndShadow::Initialize();
  SetKind(kind_);
  font_.Reset(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                          DEFAULT_PITCH, L"Microsoft YaHei"));
  const BOOL result = CSkinBGDlg::OnInitDialog();
  ShowWindow(Item(IDC_TITLE_CLOSE), SW_SHOW);
  for (int id : {IDC_FOLDER_BROWSE, IDC_PICTURE_PREVIEW, IDC_DEFAULT_PICTURE, IDC_BAR, IDC_SPINNER}) {
    ShowWindow(Item(id), SW_HIDE);
  }
  for (int id : kBoxTexts) {
    ShowWindow(Item(id), SW_HIDE);
    SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  folderBrowse_.Attach(Window(), IDC_FOLDER_BROWSE);
  folderBrowse_.SetBitmap(kFolderBrowsePicture);
  preview_.Attach(Window(), IDC_PICTURE_PREVIEW);
  preview_.SetMode(PreviewMode::Stretch);
  bar_.Attach(Window(), IDC_BAR);
  bar_.SetFrames(Sequence(160, 20));
  spinner_.Attach(Window(), IDC_SPINNER);
  spinner_.SetFrames(Sequence(215, 8));

  if (kind_ == 339 || kind_ == 351 || kind_ == 352) {
    bar_.SetRange(range_);
  } else if (ProgressKind()) {
    spinner_.SetRange(range_);
  } else {
    OpenPanel();
  }
  shadow_.CreateShadow(Window());
  return result;
}

void CSkinDlgEx::ShowText(int id, const std::wstring& text) {
  SetWindowTextW(Item(id), text.c_str());
  ShowWindow(Item(id), SW_SHOW);
}

void CSkinDlgEx::OpenPanel() {
  switch (kind_) {
    case 342:
      ShowDefaultPicture();
      ShowPicture(path_.empty() || path_.back() == L'\\' ? L"" : path_);
      break;
    case 344:
      for (int n = 0; n < 4; ++n) {
        if (!modeTexts_[n].empty()) ShowText(IDC_MODE_TEXT_1 + n, modeTexts_[n]);
      }
      break;
    case 345:
      ShowText(IDC_FOLDER_TEXT, ShortFolderText(path_));
      ShowWindow(Item(IDC_FOLDER_BROWSE), SW_SHOW);
      break;
    default:
      if (kind_ == 353 && !firstLine_.empty()) ShowText(IDC_FIRST_LINE, firstLine_);
      if (!message_.empty()) ShowText(IDC_MESSAGE_TEXT, message_);
      break;
  }
  panel_ = std::make_unique<CSkinFrame1>(*this, panelPicture_);
  panel_->name = name_;
  panel_->path = path_;
  panel_->Create(Window());
  FollowPanel();
}

// One whole picture, stretched to the place the preview takes.
void CSkinDlgEx::ShowDefaultPicture() {
  HANDLE picture = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(defaultPicture_),
                              IMAGE_BITMAP, 0, 0, LR_SHARED);
  SendDlgItemMessageW(Window(), IDC_DEFAULT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(picture));
}

// The chosen picture when it can be shown, else the default one.
void CSkinDlgEx::ShowPicture(const std::wstring& path) {
  const bool shown = preview_.SetFilename(path);
  ShowWindow(Item(IDC_PICTURE_PREVIEW), shown ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(IDC_DEFAULT_PICTURE), shown ? SW_HIDE : SW_SHOW);
}

void CSkinDlgEx::FollowPanel() {
  if (!panel_ || panel_->Window() == nullptr) return;
  RECT rect;
  GetWindowRect(Window(), &rect);
  panel_->FollowTo(POINT{rect.left, rect.top + kPanelDrop});
}

void CSkinDlgEx::EndWith(INT_PTR result) {
  if (panel_) {
    name_ = panel_->name;
    path_ = panel_->path;
    fileName_ = panel_->fileName;
  }
  End(result);
}

void CSkinDlgEx::PanelOK() {
  if (panel_) {
    panel_->Ok();
  } else {
    EndWith(IDOK);
  }
}

void CSkinDlgEx::CloseBox() {
  close_.ClearHover();
  if (panel_) {
    panel_->Cancel();
  } else {
    EndWith(IDCANCEL);
  }
}

void CSkinDlgEx::BrowseFolder() {
  wchar_t file[1024] = L"";
  OPENFILENAMEW ofn{sizeof(ofn)};
  ofn.hwndOwner = Window();
  ofn.lpstrFilter = L"Mouse Profile Files (*.pof)\0*.pof\0All Files (*.*)\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = static_cast<DWORD>(std::size(file));
  ofn.lpstrInitialDir = path_.empty() ? nullptr : path_.c_str();
  ofn.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return;
  const std::wstring chosen = file;
  const std::size_t slash = chosen.find_last_of(L'\\');
  if (slash == std::wstring::npos) return;
  path_ = chosen.substr(0, slash);
  if (panel_) {
    panel_->path = path_;
    SetDlgItemTextW(panel_->Window(), IDC_NAME, chosen.substr(slash + 1).c_str());
  }
  ShowText(IDC_FOLDER_TEXT, ShortFolderText(path_));
}

INT_PTR CSkinDlgEx::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_BOX_PROGRESS:
      if (wParam == 1) {
        bar_.SetPos(static_cast<int>(lParam));
        spinner_.SetPos(static_cast<int>(lParam));
      }
      return TRUE;
    case WM_BOX_PICTURE:
      if (panel_) ShowPicture(panel_->path);
      return TRUE;
    case WM_MOVE:
      FollowPanel();
      break;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, kTextColour);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_FOLDER_BROWSE) {
        BrowseFolder();
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CSkinBGDlg::HandleMessage(message, wParam, lParam);
}
