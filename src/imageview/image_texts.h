// The image view's title and the texts of its failure messages (Shift-JIS at run time).
#pragma once

#include <string>

// "name.ext のｲﾒｰｼﾞ": the file name and extension of path (directory and drive
// dropped), or the whole path when it cannot be split.
std::string ImageTitle(const char* path);

inline constexpr char kMsgImageCannotSetTitle[] = "ｳｲﾝﾄﾞｳにﾃｷｽﾄを設定できません";
inline constexpr char kMsgImageCannotConvertOrigin[] = "ｸﾗｲｱﾝﾄ座標をｽｸﾘｰﾝ座標に変換できません";
inline constexpr char kMsgImageCannotPlace[] = "ｳｲﾝﾄﾞｳの位置を設定できません";
inline constexpr char kMsgImageCannotGetScrollInfo[] = "ｽｸﾛｰﾙﾊﾞｰのﾊﾟﾗﾒｰﾀを取得できません";
inline constexpr char kMsgImageCannotInvalidate[] = "更新ﾘｰｼﾞｮﾝを追加できません";
inline constexpr char kMsgImageCannotPaint[] = "再描画できません";
