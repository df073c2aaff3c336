// The Japanese string table (language id 1041): the texts of StringsEnglish.cpp under the same
// ids, with the same placeholders in the same order. Product names stay as they are; button
// names are written in brackets as Japanese dialogs do ([ヘルプ]).
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kJapanese[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 bytes or fewer create nothing.
    {kDefaultFolder1, "個人"},
    {kDefaultFolder2, "アラーム"},
    {kDefaultFolder3, "やること"},
    {kDefaultFolder4, "仕事"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "このメモを削除してもよろしいですか？"},
    {kEraseNotesQuestion, "選択した %i 件のメモを削除してもよろしいですか？"},
    {kFolderNameForbiddenCharacter, "フォルダー名には次の文字は使えません:  \\ / : * ? < > | \""},
    {kFolderNameTooLong, "フォルダー名は %i 文字以内にしてください。"},
    {kFolderNameEmpty, "新しいフォルダーの名前を入力してください。"},
    {kFolderNameTaken, "同じ名前のフォルダーが既にあります。"},
    {kFolderNotCreated, "この名前のフォルダーは作成できません。"},
    {kFolderNotRenamed, "フォルダー名をこの名前に変更できません。"},
    {kDeleteFolderQuestion, "このフォルダーと、その中のメモをすべて削除してもよろしいですか？"},
    {kNoteNameForbiddenCharacter, "メモの名前には次の文字は使えません:  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "フォルダー名の変更"},
    {kNoFolderChosen, "一覧からフォルダーを選択してください。"},
    {kNoteNotMoved, "移動先のフォルダーに同じ名前のメモが既にあるため、メモを移動できません。"},
    {kTrayTip, "          Tolvane Quillophone \n 押したままにするとクイック録音"},
    // E-mail.
    {kEmailSubject, "Tolvane Quillophone メッセージ"},
    {kEmailFailed,
     "お使いのメール プログラムは Quillophone からの送信に対応していないか、Quillophone "
     "で使うための設定が必要です。\n\nメールの設定方法については [ヘルプ] "
     "ボタンをクリックしてください。"},
    // Recording quality.
    {kQualityLow, "低"},
    {kQualityMedium, "中"},
    {kQualityHigh, "高"},
    // Alarms.
    {kOrdinalFirst, "第 1"},
    {kOrdinalSecond, "第 2"},
    {kOrdinalThird, "第 3"},
    {kOrdinalFourth, "第 4"},
    {kOrdinalLast, "最終"},
    {kSunday, "日曜日"},
    {kMonday, "月曜日"},
    {kTuesday, "火曜日"},
    {kWednesday, "水曜日"},
    {kThursday, "木曜日"},
    {kFriday, "金曜日"},
    {kSaturday, "土曜日"},
    {kAlarmTitle, "アラーム"},
    {kAlarmPassed,
     "アラームの日時は既に過ぎています。\n\n新しい日付または時刻を入力してください。"},
    {kCloseWithAlarmsQuestion,
     "有効なアラームがあります。Quillophone を終了すると、アラームは鳴らなくなります。\n\n"
     "Quillophone を終了しますか？"},
    {kNoWeekdayChosen, "曜日を 1 つ以上選択してください。"},
    {kNoMonthChosen, "月を 1 つ以上選択してください。"},
    {kEraseAllNotesQuestion, "録音したメモをすべて削除しますか？"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "MP3 エンコードには LAME エンコーダー ライブラリ (libmp3lame) を GNU Lesser General Public "
     "License に基づいて使用しています。"},
    {kWmaCredit,
     "WMA 変換には FFmpeg ライブラリ (libavformat、libavcodec、libswresample) を GNU Lesser "
     "General Public License に基づいて使用しています。"},
    {kWmaBestQuality, "WMA ファイル (最高品質)"},
    {kWmaSmallestFile, "WMA ファイル (最小サイズ)"},
    {kWmaFile, "WMA ファイル"},
    {kMp3File, "MP3 ファイル"},
    {kNameTooLong, "名前が長すぎます。"},
    // Dropped files.
    {kReplaceNoteQuestion, "同じ名前のメモが既にあります: %s\n\n置き換えますか？"},
    // Folder and note dialogs.
    {kSortOrderLabel, "並べ替え"},
    {kOptionsLabel, "オプション:"},
    {kPromptForAlarms, "録音後にアラームの設定を促す"},
    {kAlphabetical, "名前順"},
    {kOldestFirst, "古い順"},
    {kNewestFirst, "新しい順"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "このメッセージには、Tolvane Quillophone で録音したボイス メモが添付されています。"
     "添付ファイルを開くと、お使いのメディア プレーヤーで再生できます。再生できない場合は、"
     "Tolvane Electronics の Web サイトから無料のプレーヤーをダウンロードできます。"},
    {kAlarmDate, "アラームの日付"},
    {kEraseNoteTitle, "メモの削除"},
    {kMoveNotesTitle, "メモの移動"},
    {kNameNoteTitle, "メモの名前"},
    {kNewFolderTitle, "新しいフォルダー"},
    {kNotePropertiesTitle, "メモのプロパティ"},
    // Time display, preferences and sizes.
    {kPaused, "一時停止中"},
    {kDiskSpaceNote,
     "この設定によって、使用するディスク容量が変わります。音質「%s」で 10 分間録音したメモは "
     "%s のディスク容量を使用します。"},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "メモ ファイルを開けません。"},
    {kOnly16BitPlayback, "再生できるのは 16 ビットの WAV ファイルだけです。"},
    {kCannotOpenSpeakers, "スピーカーを開けません。"},
    {kCannotOpenMicrophone,
     "マイクを開けません。別のアプリケーションがマイクを使用している可能性があります。"},
    {kDiskFull, "メモ ファイルに書き込めません。ディスクがいっぱいになっている可能性があります。"},
    {kNoteFull, "メモが WAV ファイルに保存できる最大サイズに達しました。"},
    {kNoAudio,
     "マイクからの音声が検出されませんでした。\n\nマイクの調整方法については [ヘルプ] "
     "ボタンをクリックしてください。"},
    {kSelectANote, "このボタンを押す前に、メモを選択してください。"},
    {kEraseSelectionQuestion, "メモの選択範囲を削除しますか？"},
    {kReplaceSelectionQuestion,
     "メモの選択範囲を置き換えますか？\n\n([いいえ] を選んだ場合は、グラフをクリックして"
     "挿入位置を指定してください。)"},
    {kNeedInsertionPoint, "グラフをクリックして、挿入位置を指定してください。"},
    {kMonoOnly, "録音を挿入できるのは、16 ビット モノラルの WAV ファイルだけです。"},
    {kInserting, "挿入中"},
    {kAppending, "追加中"},
    {kLengthSeconds, "%.1f 秒"},
    {kLengthOneMinute, "1 分 %.1f 秒"},
    {kLengthMinutes, "%i 分 %.1f 秒"},
    {kNoteReadOnly, "このメモは読み取り専用です。変更する権限がありません。"},
    // Alarms.
    {kIntegerOutOfRange, "%i から %i までの整数を入力してください。"},
};

}  // namespace

extern const LanguageStrings kJapaneseStrings;
const LanguageStrings kJapaneseStrings{1041, kJapanese, sizeof(kJapanese) / sizeof(kJapanese[0])};

}  // namespace qp
