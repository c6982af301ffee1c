// Every text the program shows in a message box or a progress dialog, in one
// place (Shift-JIS at run time). Two spellings of the out-of-memory text stand:
// kMsgNoMemoryForEdit, with "。", where an edit, the re-synchronisation of the
// character column or the information view's rows run out of memory, and
// kMsgNoMemory everywhere else.
#pragma once

// Memory and data.
inline constexpr char kMsgNoMemory[] = "ﾒﾓﾘを確保できません";
inline constexpr char kMsgNoMemoryForEdit[] = "ﾒﾓﾘを確保できません。";
inline constexpr char kMsgCannotGetData[] = "ﾃﾞｰﾀを取得できません。";
inline constexpr char kMsgCannotDeleteData[] = "ﾃﾞｰﾀを削除できません";
inline constexpr char kMsgCannotInsertData[] = "ﾃﾞｰﾀを挿入できません";
inline constexpr char kMsgCannotAllocGlobal[] = "ｸﾞﾛｰﾊﾞﾙﾒﾓﾘを確保できません";
inline constexpr char kMsgCannotLockGlobal[] = "ｸﾞﾛｰﾊﾞﾙﾒﾓﾘをﾛｯｸできません";

// Files, saving and the file history.
inline constexpr char kMsgCannotOpenFile[] = "ﾌｧｲﾙをｵｰﾌﾟﾝできません";
inline constexpr char kMsgCannotCloseFile[] = "ﾌｧｲﾙをｸﾛｰｽﾞできません";
inline constexpr char kMsgCannotSeekFile[] = "ﾌｧｲﾙをｼｰｸできません";
inline constexpr char kMsgCannotGetFilePointer[] = "ﾌｧｲﾙのﾎﾟｲﾝﾀを取得できません";
inline constexpr char kMsgCannotRead[] = "読み込みできません";
inline constexpr char kMsgCannotWriteFile[] = "ﾌｧｲﾙに書き込みできません";
inline constexpr char kMsgNoTempInFolder[] = "このﾌｫﾙﾀﾞには一時ﾌｧｲﾙを作成できません。";
inline constexpr char kMsgNoRoomForTemp[] = "ﾃﾞｨｽｸの空きが足りないため一時ﾌｧｲﾙを作成できません。";
inline constexpr char kMsgOverwriteInPlaceQuestion[] = "\n\n一時ﾌｧｲﾙを使わずにこのﾌｧｲﾙへ直接上書きしますか?\n書き込みが途中で失敗すると元の内容は失われます。";
inline constexpr char kMsgNewContentKeptIn[] = "\n新しい内容は次のﾌｧｲﾙに残っています:\n";
inline constexpr char kMsgAlreadyExistsOverwrite[] = "\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか?";
inline constexpr char kMsgChangedSaveQuestion[] = " の内容が変更されています。\n保存しますか?";
inline constexpr char kMsgCannotSetHistory[] = "ﾌｧｲﾙの履歴を設定できません";
inline constexpr char kMsgCannotGetHistory[] = "ﾌｧｲﾙの履歴を取得できません";
inline constexpr char kMsgCannotChangeHistoryCount[] = "最大履歴数を変更できません";
inline constexpr char kMsgFileTooSmall[] = "ﾌｧｲﾙのｻｲｽﾞが小さすぎます";

// Long operations and their progress dialog.
inline constexpr char kMsgReadingFile[] = "ﾌｧｲﾙを読み込み中";
inline constexpr char kMsgWritingFile[] = "ﾌｧｲﾙに書き込み中";
inline constexpr char kMsgSearching[] = "検索中";
inline constexpr char kMsgPrinting[] = "印刷中";
inline constexpr char kMsgCannotCreateProgress[] = "ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません";

// Windows.
inline constexpr char kMsgCannotCreateWindow[] = "ｳｲﾝﾄﾞｳを作成できません";
inline constexpr char kMsgCannotDestroyWindow[] = "ｳｲﾝﾄﾞｳを破棄できません";
inline constexpr char kMsgCannotUpdateWindow[] = "ｳｲﾝﾄﾞｳを更新できません";
inline constexpr char kMsgCannotSetWindowText[] = "ｳｲﾝﾄﾞｳにﾃｷｽﾄを設定できません";
inline constexpr char kMsgCannotPlaceWindow[] = "ｳｲﾝﾄﾞｳの位置を設定できません";
inline constexpr char kMsgCannotGetWindowRect[] = "ｳｲﾝﾄﾞｳの座標を取得できません";
inline constexpr char kMsgCannotGetWindowSize[] = "ｳｲﾝﾄﾞｳの寸法を取得できません";
inline constexpr char kMsgCannotMoveWindow[] = "ｳｲﾝﾄﾞｳの位置と寸法を変更できません";
inline constexpr char kMsgCannotGetWindowInfo[] = "ｳｲﾝﾄﾞｳの情報を取得できません";
inline constexpr char kMsgCannotRegisterClass[] = "ｳｲﾝﾄﾞｳｸﾗｽを登録できません";
inline constexpr char kMsgCannotRegisterMessage[] = "ｳｲﾝﾄﾞｳﾒｯｾｰｼﾞを登録できません";
inline constexpr char kMsgCannotConvertPoint[] = "ｸﾗｲｱﾝﾄ座標をｽｸﾘｰﾝ座標に変換できません";
inline constexpr char kMsgCannotGetScrollInfo[] = "ｽｸﾛｰﾙﾊﾞｰのﾊﾟﾗﾒｰﾀを取得できません";
inline constexpr char kMsgCannotInvalidate[] = "更新ﾘｰｼﾞｮﾝを追加できません";
inline constexpr char kMsgCannotPaint[] = "再描画できません";
inline constexpr char kMsgCannotCreateStatusBar[] = "ｽﾃｰﾀｽｳｲﾝﾄﾞｳを作成できません";
inline constexpr char kMsgCannotSetStatusText[] = "ｽﾃｰﾀｽｳｲﾝﾄﾞｳにﾃｷｽﾄを設定できません";
inline constexpr char kMsgCannotCreateToolbar[] = "ﾂｰﾙﾊﾞｰを作成できません";
inline constexpr char kMsgCannotAddToolbarBitmap[] = "ﾂｰﾙﾊﾞｰにﾋﾞｯﾄﾏｯﾌﾟを追加できません";
inline constexpr char kMsgCannotInsertToolbarButton[] = "ﾂｰﾙﾊﾞｰにﾎﾞﾀﾝを挿入できません";
inline constexpr char kMsgCannotChangeToolbarButton[] = "ﾂｰﾙﾊﾞｰのﾎﾞﾀﾝを変更できません";

// Menus.
inline constexpr char kMsgCannotGetMenu[] = "ﾒﾆｭｰﾊﾝﾄﾞﾙを取得できません";
inline constexpr char kMsgCannotChangeMenuItem[] = "ﾒﾆｭｰ項目を変更できません";
inline constexpr char kMsgCannotInsertMenuItem[] = "ﾒﾆｭｰ項目を挿入できません";
inline constexpr char kMsgCannotAppendMenuItem[] = "ﾒﾆｭｰ項目を追加できません";
inline constexpr char kMsgCannotDrawMenuBar[] = "ﾒﾆｭｰを再描画できません";
inline constexpr char kMsgCannotDestroyMenu[] = "ﾒﾆｭｰを破棄できません";
inline constexpr char kMsgCannotCreatePopupMenu[] = "ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰを作成できません";
inline constexpr char kMsgCannotAttachMenuBitmap[] = "ﾒﾆｭｰ項目にﾋﾞｯﾄﾏｯﾌﾟを関連付けできません";

// Drawing objects.
inline constexpr char kMsgCannotCreateBrush[] = "ﾌﾞﾗｼを作成できません";
inline constexpr char kMsgCannotDeleteBrush[] = "ﾌﾞﾗｼを破棄できません";
inline constexpr char kMsgCannotCreateFont[] = "ﾌｫﾝﾄを作成できません";
inline constexpr char kMsgCannotDeleteFont[] = "ﾌｫﾝﾄを削除できません";
inline constexpr char kMsgCannotGetFontMetrics[] = "ﾌｫﾝﾄのﾒﾄﾘｯｸを取得できません";
inline constexpr char kMsgCannotGetDc[] = "ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを取得できません";
inline constexpr char kMsgCannotReleaseDc[] = "ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを解放できません";
inline constexpr char kMsgCannotDeleteDc[] = "ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを削除できません";
inline constexpr char kMsgCannotCreateCompatibleDc[] = "互換ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを作成できません";
inline constexpr char kMsgCannotCreateCompatibleBitmap[] = "互換ﾋﾞｯﾄﾏｯﾌﾟを作成できません";
inline constexpr char kMsgCannotSetStretchMode[] = "伸縮ｺﾋﾟｰﾓｰﾄﾞを設定できません";
inline constexpr char kMsgCannotStretchBitmap[] = "ﾋﾞｯﾄﾏｯﾌﾟを伸縮してｺﾋﾟｰできません";
inline constexpr char kMsgCannotDeleteBitmap[] = "ﾋﾞｯﾄﾏｯﾌﾟを削除できません";
inline constexpr char kMsgCannotFreeDll[] = "DLLを解放できません";
inline constexpr char kMsgCannotFillRect[] = "長方形を塗りつぶしできません";
inline constexpr char kMsgCannotDrawFocusRect[] = "ﾌｫｰｶｽを持つ長方形を描画できません";
inline constexpr char kMsgCannotWriteText[] = "文字列を書き込みできません";

// Dialog controls.
inline constexpr char kMsgCannotSetControlText[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙに文字列を設定できません";
inline constexpr char kMsgCannotSetControlNumber[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙに数値を設定できません";
inline constexpr char kMsgCannotSetCheck[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙのﾁｪｯｸﾏｰｸを設定できません";
inline constexpr char kMsgCannotCheckRadio[] = "ﾗｼﾞｵﾎﾞﾀﾝをﾁｪｯｸできません";
inline constexpr char kMsgCannotGetControl[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙのﾊﾝﾄﾞﾙを取得できません";
inline constexpr char kMsgCannotEndDialog[] = "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを破棄できません";
inline constexpr char kMsgCannotMakeDragList[] = "ﾄﾞﾗｯｸﾘｽﾄﾎﾞｯｸｽに変更できません";

// The clipboard.
inline constexpr char kMsgCannotOpenClipboard[] = "ｸﾘｯﾌﾟﾎﾞｰﾄﾞをｵｰﾌﾟﾝできません";
inline constexpr char kMsgCannotCloseClipboard[] = "ｸﾘｯﾌﾟﾎﾞｰﾄﾞをｸﾛｰｽﾞできません";
inline constexpr char kMsgCannotEmptyClipboard[] = "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を空にできません";
inline constexpr char kMsgCannotSetClipboardData[] = "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾃﾞｰﾀを設定できません";
inline constexpr char kMsgCannotRegisterClipboardFormat[] = "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ形式を登録できません";

// Start-up, hand-over and settings.
inline constexpr char kMsgBadPreviousInstance[] = "hPrevInstanceが不正です";
inline constexpr char kMsgCannotParseCommandLine[] = "ｺﾏﾝﾄﾞﾗｲﾝを解析できません";
inline constexpr char kMsgBadOption[] = "ｵﾌﾟｼｮﾝが不正です";
inline constexpr char kMsgCannotAddAtom[] = "ｸﾞﾛｰﾊﾞﾙｱﾄﾑを追加できません";
inline constexpr char kMsgCannotDeleteAtom[] = "ｸﾞﾛｰﾊﾞﾙｱﾄﾑを削除できません";
inline constexpr char kMsgCannotLoadAccelerators[] = "ｱｸｾﾗﾚｰﾀﾃｰﾌﾞﾙをﾛｰﾄﾞできません";
inline constexpr char kMsgCannotOpenHelp[] = "ﾍﾙﾌﾟﾌｧｲﾙが開けません";
inline constexpr char kMsgCannotCloseKey[] = "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません";
inline constexpr char kMsgCannotCreateKey[] = "ﾚｼﾞｽﾄﾘにｷｰを作成できません";
inline constexpr char kMsgCannotDeleteKey[] = "ﾚｼﾞｽﾄﾘのｷｰを削除できません";
inline constexpr char kMsgCannotWriteRegistry[] = "ﾚｼﾞｽﾄﾘに書き込みできません";
inline constexpr char kMsgCreateKeyQuestion[] = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";

// Printing.
inline constexpr char kMsgMarginUnsuitable[] = "右ﾏｰｼﾞﾝが不適切です";
inline constexpr char kMsgCannotSetAbortProc[] = "印刷中断関数を設定できません";
inline constexpr char kMsgCannotStartPrintJob[] = "印刷ｼﾞｮﾌﾞを開始できません";
inline constexpr char kMsgCannotEndPrintJob[] = "印刷ｼﾞｮﾌﾞを終了できません";
inline constexpr char kMsgCannotStartPage[] = "ﾌﾟﾘﾝﾀﾄﾞﾗｲﾊﾞを準備できません";
inline constexpr char kMsgCannotEndPage[] = "1ﾍﾟｰｼﾞ分の書き込みを終了できません";

// Searching.
inline constexpr char kMsgReplacedCount[] = "%d個の数列を置換しました";
inline constexpr char kMsgNotFound[] = "が見つかりません";

// The information view and the structure dialogs.
inline constexpr char kMsgCannotSetParent[] = "親ｳｲﾝﾄﾞｳを設定できません";
inline constexpr char kMsgCannotCreateMappedBitmap[] = "ﾏｯﾋﾟﾝｸﾞされたﾋﾞｯﾄﾏｯﾌﾟを作成できません";
inline constexpr char kMsgCannotAddToolbarButtons[] = "ﾂｰﾙﾊﾞｰにﾎﾞﾀﾝを追加できません";
inline constexpr char kMsgCannotGetToolbarItemRect[] = "ﾂｰﾙﾊﾞｰのﾎﾞﾀﾝの寸法を取得できません";
inline constexpr char kMsgCannotGetToolTips[] = "ﾂｰﾙﾊﾞｰのﾂｰﾙﾋﾝﾄｺﾝﾄﾛｰﾙを取得できません";
inline constexpr char kMsgCannotAddTool[] = "ﾂｰﾙﾋﾝﾄｺﾝﾄﾛｰﾙにﾂｰﾙを追加できません";
inline constexpr char kMsgCannotSetWindowInfo[] = "ｳｲﾝﾄﾞｳの情報を設定できません";
