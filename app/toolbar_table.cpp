#include "app/toolbar_table.h"

#include "platform/key_locks.h"

namespace quillmar {

namespace {
constexpr unsigned kDoc = kToolbarNeedsDocument;
}  // namespace

// Tooltips keep their spelling and the trailing blank of "Line circle ".
const ToolbarButtonSpec kToolbarButtons[kToolbarButtonCount] = {
    {1, "新規", "New", "mnuFileNew", -1, 0},
    {2, "開く", "Open", "mnuFileOpen", -1, 0},
    {3, "保存", "Save", "mnuFileSave", -1, kDoc},
    {4, nullptr, nullptr, nullptr, -1, kToolbarSeparator},
    {5, "プリント", "Print", "mnuFilePrint", -1, kDoc},
    {6, nullptr, nullptr, nullptr, -1, kToolbarSeparator | kDoc},
    {7, "切り取り", "Cut", "mnuEditCut", -1, kDoc},
    {8, "コピー", "Copy", "mnuEditCopy", -1, kDoc},
    {9, "貼り付け", "Paste", "mnuEditPaste", -1, kDoc},
    {10, "検索", "Find", "mnuSearchFind", -1, kDoc},
    {11, nullptr, nullptr, nullptr, -1, kToolbarSeparator | kDoc},
    {kUndoButtonPosition, "元に戻す", "Undo", "mnuEditUndo", -1, kDoc | kToolbarStartsDisabled},
    {kRedoButtonPosition, "やり直し", "Redo", "mnuEditRedo", -1, kDoc | kToolbarStartsDisabled},
    {14, nullptr, nullptr, nullptr, -1, kToolbarSeparator | kDoc},
    {kAutoNumberButtonPosition, "自動シーケンス番号挿入", "Auto N000 insert", "mnuToolsAutoNo", -1,
     kDoc | kToolbarShowsAutoNumber},
    {16, "シーケンス番号アレンジ", "Number arrreng", "mnuToolsNumberArrange", -1, kDoc},
    {17, "データの計算による変更", "Date cal.", "mnuToolsSizeShift", -1, kDoc},
    {18, "回転数の計算", "Spindle speed cal.", "mnuToolsrpm", -1, kDoc},
    {19, "面粗さによる送り速度", "Feed cal.", "mnuToolsFeed", -1, kDoc},
    {20, "電卓", "Cal", "mnuToolsCalculator", -1, kDoc},
    {21, nullptr, nullptr, nullptr, -1, kToolbarSeparator | kDoc},
    {22, "テーパーのノーズR補正", "Taper nose-R", "AngleNoseR", -1, kDoc},
    {23, "直線と角度", "Line angle", "LineAngle", -1, kDoc},
    {24, "2直線と接する円", "2line tangent circle", "LineCircleLine", -1, kDoc},
    {25, "直線と円の交点", "Line circle ", "LineCycle", -1, kDoc},
    {26, "1点を通り直線に接する円", "1point, line circle", "LineCirclePoint", -1, kDoc},
    {27, "円に接する点", "Circle clos point", "CirclePoint", -1, kDoc},
    {28, "ヌスミ形状", "Neck", "Neck", -1, kDoc},
    {29, "2円の交点", "2circle clos", "CircleCircle", -1, kDoc},
    {30, "2直線と2円", "2line 2circle", "Line2Circle2", -1, kDoc},
    {31, "XY-XC変換", "XY-XC change", "XY_XC", -1, kDoc},
};

const StatusPanelSpec kStatusPanels[kStatusPanelCount] = {
    {1, StatusPanelKind::Text, "Memo", "", nullptr, 0},
    // Points the user at the three key panels to its right.
    {2, StatusPanelKind::Text, nullptr, "ここをクリックしても切り替えが出来ます。―→", nullptr, 0},
    {3, StatusPanelKind::InsertKey, "Insrt Key", "INS", "挿入／重ね書き", kVkInsert},
    {4, StatusPanelKind::CapsLock, "Caps Lock", "CAPS", "大文字／小文字", kVkCapsLock},
    {5, StatusPanelKind::NumLock, "Num Lock", "NUM", "テンキーON／OFF", kVkNumLock},
    {6, StatusPanelKind::Date, "Date", nullptr, "日付", 0},
    {7, StatusPanelKind::Time, "Time", nullptr, "時間", 0},
};

const ToolbarButtonSpec* findToolbarButton(std::string_view key) {
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        if (button.key != nullptr && key == button.key) {
            return &button;
        }
    }
    return nullptr;
}

const StatusPanelSpec* findStatusPanel(std::string_view key) {
    for (const StatusPanelSpec& panel : kStatusPanels) {
        if (panel.key != nullptr && key == panel.key) {
            return &panel;
        }
    }
    return nullptr;
}

}  // namespace quillmar
