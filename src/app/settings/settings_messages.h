// The texts the settings load and save report (Shift-JIS at run time).
#pragma once

inline constexpr char kMsgNoMemory[] = "ﾒﾓﾘを確保できません";
inline constexpr char kMsgCannotCloseKey[] = "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません";
inline constexpr char kMsgCreateKeyQuestion[] =
    "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
inline constexpr char kMsgCannotCreateKey[] = "ﾚｼﾞｽﾄﾘにｷｰを作成できません";
inline constexpr char kMsgCannotDeleteKey[] = "ﾚｼﾞｽﾄﾘのｷｰを削除できません";
inline constexpr char kMsgCannotWrite[] = "ﾚｼﾞｽﾄﾘに書き込みできません";
inline constexpr char kMsgCannotGetWindowInfo[] = "ｳｲﾝﾄﾞｳの情報を取得できません";
