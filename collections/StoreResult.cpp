#include "collections/StoreResult.h"

namespace lumora {

std::string storeStatusMessage(StoreStatus status) {
    switch (status) {
        case StoreStatus::Ok:
            return "";
        case StoreStatus::CannotOpenWorkFile:
            return "作業ファイルを開くことも作成することもできません";
        case StoreStatus::CannotWriteWorkFile:
            return "作業ファイルに書き込めません";
        case StoreStatus::CannotWriteStagingFile:
            return "一時ファイルに書き込めません";
        case StoreStatus::CannotReadSource:
            return "ファイルが読み込めません";
        case StoreStatus::CannotWriteDestination:
            return "ファイルに書き込めません";
        case StoreStatus::Refused:
            return "この項目には実行できません";
        case StoreStatus::NameTooLong:
            return "名前が長すぎます（511バイトまで）";
        case StoreStatus::NameNotConvertible:
            return "この名前は保存できません";
    }
    return "";
}

}  // namespace lumora
