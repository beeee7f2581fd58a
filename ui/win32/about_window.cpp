#include "ui/win32/about_window.h"

#include "infowindows/info_texts.h"
#include "infowindows/window_placement.h"
#include "platform/win32/text_conversion.h"
#include "resources/about_layout.h"
#include "resources/main_window_texts.h"
#include "resources/resource_ids.h"
#include "resources/version.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
namespace {

namespace layout = about_layout;

constexpr int kPointerSize = 32;
// Posted when the dialog box shows the window: it takes the foreground then.
constexpr UINT kShown = WM_APP + 1;

// An icon resource of the program at a size, or nothing when it cannot be loaded.
IconHandle LoadIconResource(HINSTANCE instance, int id, int size) {
    return IconHandle(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// A mouse pointer with the picture of an icon, its hot spot in the middle.
IconHandle CursorFromIcon(HICON icon) {
    if (icon == nullptr) {
        return nullptr;
    }
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return nullptr;
    }
    // GetIconInfo hands over copies of the icon's bitmaps: they are ours to delete.
    const GdiObject<HBITMAP> mask(info.hbmMask);
    const GdiObject<HBITMAP> colour(info.hbmColor);
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
    const int height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(bitmap.bmWidth / 2);
    info.yHotspot = static_cast<DWORD>(height / 2);
    return IconHandle(CreateIconIndirect(&info));
}

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, SystemInfoLauncher& launcher,
                         InformationWindow& producerWindow,
                         const platform::DisplaySettings& display,
                         platform::Accessibility& accessibility)
    : instance_(instance),
      launcher_(launcher),
      producerWindow_(producerWindow),
      theme_(display),
      accessibility_(accessibility) {}

void AboutWindow::ShowModal() {
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUT), mainWindow_, &AboutWindow::DialogProc,
                    reinterpret_cast<LPARAM>(this));
    // However the dialog ended (a WM_QUIT ends its loop too), the main window takes input again.
    if (mainWindow_ != nullptr) {
        EnableWindow(mainWindow_, TRUE);
    }
}

void AboutWindow::Form_Load() {
    // Not kept within the screen: near its edge the window may reach past it.
    const platform::ScreenRect main =
        mainWindow_ != nullptr ? ScreenRectOf(mainWindow_) : platform::ScreenRect{};
    const int dpi = loaded_->layout.scale().dpi();
    PlaceWindow(hwnd_, AboutWindowRect(main, dpi, FrameOf(hwnd_, dpi)));
    SetWindowTextW(hwnd_, Utf8ToWide(AboutCaption(texts::kApplicationTitle)).c_str());
    SetText(IDC_ABOUT_LBLTITLE, texts::kApplicationTitle);
    SetText(IDC_ABOUT_LBLVERSION,
            VersionText({VERBALO_VERSION_MAJOR, VERBALO_VERSION_MINOR, VERBALO_VERSION_REVISION}));
    SetText(IDC_ABOUT_LBLDESCRIPTION, kAboutDescription);
    SetText(IDC_ABOUT_LB_CR, kAboutNotice);
}

void AboutWindow::cmdOK_Click() {
    EndDialog(hwnd_, IDOK);
}

void AboutWindow::cmdSysInfo_Click() {
    launcher_.LaunchSystemInfo();
}

void AboutWindow::Label1_Click() {
    producerWindow_.ShowModal();
}

// On the main window's monitor, at its DPI; the controls from the layout, the credit line the
// layout's stored text (its "&" doubled).
void AboutWindow::OnInitDialog() {
    KeepDialogFromScaling(hwnd_);
    SetIcons(hwnd_, instance_, IDI_ABOUT);
    if (pointer_ == nullptr) {
        pictureIcon_ = LoadIconResource(instance_, IDI_VERBALO, layout::kPictureIconSize);
        pointer_ = CursorFromIcon(LoadIconResource(instance_, IDI_ABOUT, kPointerSize).get());
    }
    loaded_ = std::make_unique<Loaded>();
    loaded_->layout.Apply(hwnd_, layout::kControls,
                          TwipsScale(DpiOfWindow(mainWindow_ != nullptr ? mainWindow_ : hwnd_)));
    SetText(IDC_ABOUT_LABEL1, AboutCreditLabelText());
    const HWND picture = GetDlgItem(hwnd_, IDC_ABOUT_PICTURE1);
    SetText(IDC_ABOUT_PICTURE1, texts::kAboutPictureName);
    accessibility_.NamePicture(HandleOf(picture), texts::kAboutPictureName);
    loaded_->picture = std::make_unique<TabStopStatic>(picture);
    loaded_->credit = std::make_unique<TabStopStatic>(GetDlgItem(hwnd_, IDC_ABOUT_LABEL1),
                                                      [this] { Label1_Click(); });
    Form_Load();
}

INT_PTR AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (loaded_ != nullptr) {
        if (const auto result = loaded_->layout.OnDpiMessage(
                message, wParam, lParam, layout::kClientWidth, layout::kClientHeight)) {
            return Handled(*result);
        }
    }
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return TRUE;  // the focus to the first tab stop: OK
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return loaded_ == nullptr ? FALSE
                                      : reinterpret_cast<INT_PTR>(loaded_->layout.Colours(
                                            reinterpret_cast<HWND>(lParam),
                                            reinterpret_cast<HDC>(wParam), theme_));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(theme_.BrushOf(colours::kAboutNotice.background));
        case WM_SETCURSOR:
            return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam)) ? Handled(TRUE)
                                                                               : FALSE;
        case WM_DRAWITEM: {
            // Picture1: the program's icon on the window's face.
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            FillRect(item.hDC, &item.rcItem, theme_.BrushOf(colours::kAboutNotice.background));
            DrawIconEx(item.hDC, 0, 0, pictureIcon_.get(), layout::kPictureIconSize,
                       layout::kPictureIconSize, 0, nullptr, DI_NORMAL);
            return TRUE;
        }
        case WM_SHOWWINDOW:
            if (wParam != FALSE) {
                PostMessageW(hwnd_, kShown, 0, 0);
            }
            return FALSE;
        case kShown:
            // Once on the screen, as the producer window's loop does after showing it: the
            // keyboard follows even where the activation that showing brought reached the
            // screen before the window did (Wine without a window manager, under load).
            if (IsWindowEnabled(hwnd_)) {  // no window opened over it meanwhile
                SetForegroundWindow(hwnd_);
            }
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            RepaintInNewColours(hwnd_);
            return FALSE;
        case WM_DESTROY:
            accessibility_.Forget(HandleOf(GetDlgItem(hwnd_, IDC_ABOUT_PICTURE1)));
            return FALSE;
        case WM_NCDESTROY:  // the controls are gone: their fonts may go
            loaded_.reset();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR AboutWindow::AfterException(UINT message) noexcept {
    if (message == WM_INITDIALOG) {
        EndDialog(hwnd_, 0);
        return FALSE;
    }
    return DialogBase::AfterException(message);
}

// OK is the default button (Enter) and the cancel button (Esc, the close box); Enter on
// System Info presses it. A click on a label has the code of a button's; a double click is two.
void AboutWindow::OnCommand(WORD id, WORD notification) {
    if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED) {
        return;
    }
    switch (id) {
        case IDOK:
        case IDCANCEL:
        case IDC_ABOUT_CMDOK:
            cmdOK_Click();
            break;
        case IDC_ABOUT_CMDSYSINFO:
            cmdSysInfo_Click();
            break;
        case IDC_ABOUT_LABEL1:
            Label1_Click();
            break;
        default:
            break;
    }
}

bool AboutWindow::OnSetCursor(HWND over, WORD hitTest) const {
    const int id = GetDlgCtrlID(over);
    if (pointer_ == nullptr || hitTest != HTCLIENT || GetParent(over) != hwnd_ ||
        (id != IDC_ABOUT_LABEL1 && id != IDC_ABOUT_LBLVERSION)) {
        return false;
    }
    SetCursor(pointer_.get());
    return true;
}

void AboutWindow::SetText(int id, std::string_view text) const {
    SetDlgItemTextW(hwnd_, id, Utf8ToWide(text).c_str());
}

}  // namespace verbalo::ui::win32
