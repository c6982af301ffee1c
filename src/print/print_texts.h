// The print job's texts (Shift-JIS at run time): the progress message and the failure messages.
#pragma once

inline constexpr char kPrintProgressText[] = "印刷中";
inline constexpr char kMsgPrintCannotCreateFont[] = "ﾌｫﾝﾄを作成できません";
inline constexpr char kMsgPrintCannotGetMetrics[] = "ﾌｫﾝﾄのﾒﾄﾘｯｸを取得できません";
inline constexpr char kMsgPrintMarginUnsuitable[] = "右ﾏｰｼﾞﾝが不適切です";
inline constexpr char kMsgPrintCannotCreateProgress[] = "ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません";
inline constexpr char kMsgPrintCannotSetAbortProc[] = "印刷中断関数を設定できません";
inline constexpr char kMsgPrintCannotStartDoc[] = "印刷ｼﾞｮﾌﾞを開始できません";
inline constexpr char kMsgPrintCannotStartPage[] = "ﾌﾟﾘﾝﾀﾄﾞﾗｲﾊﾞを準備できません";
inline constexpr char kMsgPrintCannotEndPage[] = "1ﾍﾟｰｼﾞ分の書き込みを終了できません";
inline constexpr char kMsgPrintCannotEndDoc[] = "印刷ｼﾞｮﾌﾞを終了できません";
inline constexpr char kMsgPrintCannotDestroyProgress[] = "ｳｲﾝﾄﾞｳを破棄できません";
inline constexpr char kMsgPrintCannotDeleteFont[] = "ﾌｫﾝﾄを削除できません";
inline constexpr char kMsgPrintCannotDeleteDc[] = "ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを削除できません";
inline constexpr char kMsgMarginCannotGetControl[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙのﾊﾝﾄﾞﾙを取得できません";
inline constexpr char kMsgMarginCannotSetNumber[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙに数値を設定できません";
inline constexpr char kMsgMarginCannotEndDialog[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを破棄できません";
