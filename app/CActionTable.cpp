#include "app/CActionTable.h"

#include <array>

namespace lumora {
namespace {

constexpr std::array kActions{
    ActionSpec{11701, "開く(&O)...", "Ctrl+O", "既存のファイルを開く\n開く"},
    ActionSpec{11702, "上書き保存(&S)", "Ctrl+S", "作業中のファイルを上書きして保存\n保存"},
    ActionSpec{11700, "名前を付けて保存(&A)...", nullptr, "作業中のファイルを新しい名前で保存\n名前をつけて保存"},
    ActionSpec{11800, "BITMAPで保存", nullptr, "表示中の画像を BITMAP ファイルに保存します。\nBITMAPで保存"},
    ActionSpec{11801, "JPEGで保存", nullptr, "表示中の画像を JPEG ファイルに保存します。\nJPEGで保存"},
    ActionSpec{12003, "印刷(&P)", nullptr, "表示中の画像を印刷します。\n印刷"},
    ActionSpec{12004, "印刷プレビュー(&V)", nullptr, "印刷される画像を表示します。\n印刷プレビュー"},
    ActionSpec{57665, "アプリケーションの終了(&X)", nullptr, "アプリケーションを終了します。\n終了"},
    ActionSpec{10030, "描画", "F3", "いまの設定値で図形を描画します。\n描画"},
    ActionSpec{10031, "描画 ランダム", "F4", "ロックしていない設定値を少し変えて描画します。\n描画 ランダム"},
    ActionSpec{11901, "拡大", "F5", "図形を大きくして描画します。\n拡大"},
    ActionSpec{11902, "縮小", "F6", "図形を小さくして描画します。\n縮小"},
    ActionSpec{11903, "標準の大きさ", "F7", "図形を標準の大きさで描画します。\n標準の大きさ"},
    ActionSpec{10011, "ズームイン", "F9", "画面の表示を大きくします。\nズームイン"},
    ActionSpec{10012, "ズームアウト", "F10", "画面の表示を小さくします。\nズームアウト"},
    ActionSpec{11602, "中央表示", "F11", "画像の中央をウィンドウの中央に合わせます。\n中央表示"},
    ActionSpec{11070, "カラー・ストローク・デフォルト", nullptr,
               "ペン幅と色を最初の設定に戻します。\nカラー・ストローク・デフォルト"},
    ActionSpec{11240, "３Ｄ変換・リセット", nullptr, "３Ｄ変換の値を最初の設定に戻します。\n３Ｄ変換・リセット"},
    ActionSpec{11802, "お気に入りファイル作成", nullptr,
               "いまの図形をお気に入りに登録します。\nお気に入りファイル作成"},
    ActionSpec{11803, "お気に入りフォルダ作成", nullptr, "お気に入りにフォルダを作ります。\nお気に入りフォルダ作成"},
    ActionSpec{11804, "お気に入りの保存", nullptr, "お気に入りをファイルに保存します。\nお気に入りの保存"},
    ActionSpec{11805, "お気に入りの読み込み", nullptr, "お気に入りをファイルから読み込みます。\nお気に入りの読み込み"},
    ActionSpec{32820, "お気に入りのリセット", nullptr, "お気に入りをすべて消します。\nお気に入りのリセット"},
    ActionSpec{11806, "一つ前に戻す(&U)", "Ctrl+Z", "ヒストリーの一つ前の図形を描画します。\n一つ前に戻す"},
    ActionSpec{11807, "一つ後に戻す(&T)", "Ctrl+D", "ヒストリーの一つ後の図形を描画します。\n一つ後に戻す"},
    ActionSpec{11808, "前のページ", "Ctrl+Shift+Z", "ヒストリーの前のページを表示します。\n前のページ"},
    ActionSpec{11809, "後のページ", "Ctrl+Shift+D", "ヒストリーの後のページを表示します。\n後のページ"},
    ActionSpec{11810, "ヒストリーの保存", nullptr, "ヒストリーをファイルに保存します。\nヒストリーの保存"},
    ActionSpec{11811, "ヒストリーの読み込み                  ", nullptr,
               "ヒストリーをファイルから読み込みます。\nヒストリーの読み込み"},
    ActionSpec{32821, "ヒストリーのリセット", nullptr, "ヒストリーをすべて消します。\nヒストリーのリセット"},
    ActionSpec{59393, "ステータス バー(&S)", nullptr,
               "ステータス バーの表示と非表示を切り替えます。\nステータス バーの切り替え"},
    ActionSpec{205, "Windows 2000(&2)", nullptr, "アプリケーションの外観を切り替えます。\nWindows 2000"},
    ActionSpec{206, "Office XP(&X)", nullptr, "アプリケーションの外観を切り替えます。\nOffice XP"},
    ActionSpec{207, "Windows XP(&W)", nullptr, "アプリケーションの外観を切り替えます。\nWindows XP"},
    ActionSpec{208, "Office 2003(&3)", nullptr, "アプリケーションの外観を切り替えます。\nOffice 2003"},
    ActionSpec{209, "Visual Studio 200&5", nullptr, "アプリケーションの外観を切り替えます。\nVisual Studio 2005"},
    ActionSpec{210, "Visual Studio 200&8", nullptr, "アプリケーションの外観を切り替えます。\nVisual Studio 2008"},
    ActionSpec{215, "ブルー スタイル(&B)", nullptr, "アプリケーションの外観を切り替えます。\nブルー スタイル"},
    ActionSpec{216, "ブラック スタイル(&L)", nullptr, "アプリケーションの外観を切り替えます。\nブラック スタイル"},
    ActionSpec{217, "シルバー スタイル(&S)", nullptr, "アプリケーションの外観を切り替えます。\nシルバー スタイル"},
    ActionSpec{218, "アクア スタイル(&A)", nullptr, "アプリケーションの外観を切り替えます。\nアクア スタイル"},
    ActionSpec{219, "Windows 7(&D)", nullptr, "アプリケーションの外観を切り替えます。\nWindows 7"},
    ActionSpec{12102, "レイアウトのリセット", nullptr, "ペインの配置を最初の状態に戻します。\nレイアウトのリセット"},
    ActionSpec{57670, "ヘルプ", nullptr, "ヘルプを表示します。\nヘルプ"},
    ActionSpec{12103, "オンラインヘルプ", nullptr, "オンラインヘルプを開きます。\nオンラインヘルプ"},
    ActionSpec{32825, "ホームページ", nullptr, "ホームページを開きます。\nホームページ"},
    ActionSpec{32819, "連絡先　メールアドレス", nullptr, "連絡先のメールアドレスを表示します。\n連絡先"},
    ActionSpec{57664, "バージョン情報 LumoraFree(&A)...", nullptr,
               "プログラム情報、バージョン、著作権を表示します。\nバージョン情報"},
    ActionSpec{126, "カスタマイズ...", nullptr,
               "ツール バーとドッキング ウィンドウの表示を切り替えます。\nカスタマイズ"},
};

using K = MenuEntry;
constexpr std::array kMenus{
    K{K::Menu, 0, "ファイル(&F)"},
    K{K::Item, 11701, nullptr},
    K{K::Item, 11702, nullptr},
    K{K::Item, 11700, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Submenu, 0, "画像ファイルへ保存"},
    K{K::Item, 11800, nullptr},
    K{K::Item, 11801, nullptr},
    K{K::End, 0, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 12003, nullptr},
    K{K::Item, 12004, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 57665, nullptr},
    K{K::End, 0, nullptr},

    K{K::Menu, 0, "描画(&B)"},
    K{K::Item, 10030, nullptr},
    K{K::Item, 10031, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 11901, nullptr},
    K{K::Item, 11902, nullptr},
    K{K::Item, 11903, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 10011, nullptr},
    K{K::Item, 10012, nullptr},
    K{K::Item, 11602, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 11070, nullptr},
    K{K::Item, 11240, nullptr},
    K{K::End, 0, nullptr},

    K{K::Menu, 0, "お気に入り(&O)"},
    K{K::Item, 11802, nullptr},
    K{K::Item, 11803, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 11804, nullptr},
    K{K::Item, 11805, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 32820, nullptr},
    K{K::End, 0, nullptr},

    K{K::Menu, 0, "ヒストリー(&E)"},
    K{K::Item, 11806, nullptr},
    K{K::Item, 11807, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 11808, nullptr},
    K{K::Item, 11809, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 11810, nullptr},
    K{K::Item, 11811, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 32821, nullptr},
    K{K::End, 0, nullptr},

    K{K::Menu, 0, "表示(&V)"},
    K{K::PanesList, 59392, "ツール バーとドッキング ウィンドウ(&T)"},
    K{K::Item, 59393, nullptr},
    K{K::Submenu, 0, "アプリケーションの外観(&A)"},
    K{K::Item, 205, nullptr},
    K{K::Item, 206, nullptr},
    K{K::Item, 207, nullptr},
    K{K::Item, 208, nullptr},
    K{K::Item, 209, nullptr},
    K{K::Item, 210, nullptr},
    K{K::Submenu, 0, "Office 2007(&7)"},
    K{K::Item, 215, nullptr},
    K{K::Item, 216, nullptr},
    K{K::Item, 217, nullptr},
    K{K::Item, 218, nullptr},
    K{K::End, 0, nullptr},
    K{K::End, 0, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 12102, nullptr},
    K{K::End, 0, nullptr},

    K{K::Menu, 0, "ヘルプ(&H)"},
    K{K::Item, 57670, nullptr},
    K{K::Item, 12103, nullptr},
    K{K::Item, 32825, nullptr},
    K{K::Item, 32819, nullptr},
    K{K::Separator, 0, nullptr},
    K{K::Item, 57664, nullptr},
    K{K::End, 0, nullptr},
};

constexpr std::array kToolbar{11901, 11902, 11903, 0, 10011, 10012, 11602, 0, 11807, 11806, 0, 10030, 10031};

}  // namespace

std::span<const ActionSpec> CActionTable::actions() { return kActions; }
std::span<const MenuEntry> CActionTable::menus() { return kMenus; }
std::span<const int> CActionTable::toolbar() { return kToolbar; }

const ActionSpec* CActionTable::find(int id) {
    for (const ActionSpec& a : kActions)
        if (a.id == id) return &a;
    return nullptr;
}

}  // namespace lumora
