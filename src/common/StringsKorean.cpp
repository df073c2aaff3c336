// The Korean string table (language id 1042): the texts of StringsEnglish.cpp under the same
// ids, with the same placeholders in the same order. Product names stay as they are.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kKorean[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 bytes or fewer create nothing.
    {kDefaultFolder1, "개인"},
    {kDefaultFolder2, "알람"},
    {kDefaultFolder3, "할 일"},
    {kDefaultFolder4, "업무"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "이 메모를 삭제하시겠습니까?"},
    {kEraseNotesQuestion, "선택한 메모 %i개를 삭제하시겠습니까?"},
    {kFolderNameForbiddenCharacter,
     "폴더 이름에는 다음 문자를 사용할 수 없습니다:  \\ / : * ? < > | \""},
    {kFolderNameTooLong, "폴더 이름은 %i자를 넘을 수 없습니다."},
    {kFolderNameEmpty, "새 폴더의 이름을 입력하세요."},
    {kFolderNameTaken, "같은 이름의 폴더가 이미 있습니다."},
    {kFolderNotCreated, "이 이름으로 폴더를 만들 수 없습니다."},
    {kFolderNotRenamed, "폴더 이름을 이 이름으로 바꿀 수 없습니다."},
    {kDeleteFolderQuestion, "이 폴더와 폴더 안의 모든 메모를 삭제하시겠습니까?"},
    {kNoteNameForbiddenCharacter,
     "메모 이름에는 다음 문자를 사용할 수 없습니다:  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "폴더 이름 바꾸기"},
    {kNoFolderChosen, "목록에서 폴더를 선택하세요."},
    {kNoteNotMoved, "폴더에 같은 이름의 메모가 이미 있으므로 메모를 이동할 수 없습니다."},
    {kTrayTip, "          Tolvane Quillophone \n 누르고 있으면 빠른 녹음"},
    // E-mail.
    {kEmailSubject, "Tolvane Quillophone 메시지"},
    {kEmailFailed,
     "사용 중인 전자 메일 프로그램이 Quillophone에서 메일 보내기를 지원하지 않거나, "
     "Quillophone과 함께 쓰도록 설정해야 합니다.\n\n전자 메일 설정에 도움이 필요하면 [도움말] "
     "버튼을 누르세요."},
    // Recording quality.
    {kQualityLow, "낮음"},
    {kQualityMedium, "보통"},
    {kQualityHigh, "높음"},
    // Alarms.
    {kOrdinalFirst, "첫째"},
    {kOrdinalSecond, "둘째"},
    {kOrdinalThird, "셋째"},
    {kOrdinalFourth, "넷째"},
    {kOrdinalLast, "마지막"},
    {kSunday, "일요일"},
    {kMonday, "월요일"},
    {kTuesday, "화요일"},
    {kWednesday, "수요일"},
    {kThursday, "목요일"},
    {kFriday, "금요일"},
    {kSaturday, "토요일"},
    {kAlarmTitle, "알람"},
    {kAlarmPassed, "알람 날짜와 시간이 이미 지났습니다.\n\n새 날짜나 시간을 입력하세요."},
    {kCloseWithAlarmsQuestion,
     "켜져 있는 알람이 있습니다. Quillophone을 닫으면 알람이 울리지 않습니다.\n\nQuillophone을 "
     "닫으시겠습니까?"},
    {kNoWeekdayChosen, "요일을 하나 이상 선택하세요."},
    {kNoMonthChosen, "월을 하나 이상 선택하세요."},
    {kEraseAllNotesQuestion, "녹음한 메모를 모두 삭제하시겠습니까?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "MP3 인코딩에는 LAME 인코더 라이브러리(libmp3lame)를 GNU Lesser General Public License에 "
     "따라 사용합니다."},
    {kWmaCredit,
     "WMA 변환에는 FFmpeg 라이브러리(libavformat, libavcodec, libswresample)를 GNU Lesser "
     "General Public License에 따라 사용합니다."},
    {kWmaBestQuality, "WMA 파일(최고 품질)"},
    {kWmaSmallestFile, "WMA 파일(최소 크기)"},
    {kWmaFile, "WMA 파일"},
    {kMp3File, "MP3 파일"},
    {kNameTooLong, "이름이 너무 깁니다."},
    // Dropped files.
    {kReplaceNoteQuestion, "같은 이름의 메모가 이미 있습니다: %s\n\n바꾸시겠습니까?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "정렬 순서"},
    {kOptionsLabel, "옵션:"},
    {kPromptForAlarms, "녹음 후 알람 설정 묻기"},
    {kAlphabetical, "이름순"},
    {kOldestFirst, "오래된 순"},
    {kNewestFirst, "최신 순"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "이 메시지에는 Tolvane Quillophone으로 녹음한 음성 메모가 들어 있습니다. 첨부 파일을 열면 "
     "미디어 플레이어로 재생할 수 있습니다. 재생되지 않으면 Tolvane Electronics 웹 사이트에서 "
     "무료 플레이어를 다운로드할 수 있습니다."},
    {kAlarmDate, "알람 날짜"},
    {kEraseNoteTitle, "메모 삭제"},
    {kMoveNotesTitle, "메모 이동"},
    {kNameNoteTitle, "메모 이름 지정"},
    {kNewFolderTitle, "새 폴더"},
    {kNotePropertiesTitle, "메모 속성"},
    // Time display, preferences and sizes.
    {kPaused, "일시 중지됨"},
    {kDiskSpaceNote,
     "이 설정에 따라 사용하는 디스크 공간이 달라집니다. \"%s\" 품질로 메모를 10분 녹음하면 "
     "디스크 공간을 %s 사용합니다."},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "메모 파일을 열 수 없습니다."},
    {kOnly16BitPlayback, "16비트 WAV 파일만 재생할 수 있습니다."},
    {kCannotOpenSpeakers, "스피커를 열 수 없습니다."},
    {kCannotOpenMicrophone,
     "마이크를 열 수 없습니다. 다른 응용 프로그램에서 마이크를 사용하고 있을 수 있습니다."},
    {kDiskFull, "메모 파일을 쓸 수 없습니다. 디스크가 가득 찼을 수 있습니다."},
    {kNoteFull, "메모가 WAV 파일에 담을 수 있는 최대 크기에 도달했습니다."},
    {kNoAudio,
     "마이크에서 소리가 감지되지 않았습니다.\n\n마이크 조정에 도움이 필요하면 [도움말] 버튼을 "
     "누르세요."},
    {kSelectANote, "이 버튼을 누르기 전에 메모를 선택하세요."},
    {kEraseSelectionQuestion, "메모에서 선택한 부분을 삭제하시겠습니까?"},
    {kReplaceSelectionQuestion,
     "메모에서 선택한 부분을 바꾸시겠습니까?\n\n([아니요]를 선택하면 그래프를 클릭하여 삽입 "
     "위치를 지정하세요.)"},
    {kNeedInsertionPoint, "그래프를 클릭하여 삽입 위치를 지정하세요."},
    {kMonoOnly, "녹음은 16비트 모노 WAV 파일에만 삽입할 수 있습니다."},
    {kInserting, "삽입 중"},
    {kAppending, "추가 중"},
    {kLengthSeconds, "%.1f초"},
    {kLengthOneMinute, "1분 %.1f초"},
    {kLengthMinutes, "%i분 %.1f초"},
    {kNoteReadOnly, "이 메모는 읽기 전용입니다. 변경할 권한이 없습니다."},
    // Alarms.
    {kIntegerOutOfRange, "%i에서 %i 사이의 정수를 입력하세요."},
};

}  // namespace

extern const LanguageStrings kKoreanStrings;
const LanguageStrings kKoreanStrings{1042, kKorean, sizeof(kKorean) / sizeof(kKorean[0])};

}  // namespace qp
