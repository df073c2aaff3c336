// The Russian string table (language id 1049): the texts of StringsEnglish.cpp under the same
// ids, with the same placeholders in the same order. Product names stay as they are. Texts with
// a number are worded so that the noun never has to agree with it.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kRussian[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {kDefaultFolder1, "Личное"},
    {kDefaultFolder2, "Будильники"},
    {kDefaultFolder3, "Дела"},
    {kDefaultFolder4, "Работа"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "Вы действительно хотите удалить эту заметку?"},
    {kEraseNotesQuestion, "Вы действительно хотите удалить выбранные заметки (%i)?"},
    {kFolderNameForbiddenCharacter,
     "Имя папки не может содержать следующие символы:  \\ / : * ? < > | \""},
    {kFolderNameTooLong, "Имя папки не может быть длиннее %i символов."},
    {kFolderNameEmpty, "Введите имя новой папки."},
    {kFolderNameTaken, "Папка с таким именем уже существует."},
    {kFolderNotCreated, "Не удалось создать папку с таким именем."},
    {kFolderNotRenamed, "Не удалось присвоить папке это имя."},
    {kDeleteFolderQuestion,
     "Вы действительно хотите удалить эту папку вместе со всеми заметками в ней?"},
    {kNoteNameForbiddenCharacter,
     "Имя заметки не может содержать следующие символы:  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "Переименование папки"},
    {kNoFolderChosen, "Выберите папку в списке."},
    {kNoteNotMoved, "Не удалось переместить заметку: в папке уже есть заметка с таким именем."},
    {kTrayTip, "          Tolvane Quillophone \n Нажмите и удерживайте для быстрой записи"},
    // E-mail.
    {kEmailSubject, "Сообщение Tolvane Quillophone"},
    {kEmailFailed,
     "Ваша почтовая программа не поддерживает отправку сообщений из Quillophone или не настроена "
     "для работы с Quillophone.\n\nНажмите кнопку «Справка», если вам нужна помощь в настройке "
     "почты для работы с Quillophone."},
    // Recording quality.
    {kQualityLow, "Низкое"},
    {kQualityMedium, "Среднее"},
    {kQualityHigh, "Высокое"},
    // Alarms. Lower case: the alarm dialog reads "В [первый] [понедельник] месяца".
    {kOrdinalFirst, "первый"},
    {kOrdinalSecond, "второй"},
    {kOrdinalThird, "третий"},
    {kOrdinalFourth, "четвёртый"},
    {kOrdinalLast, "последний"},
    {kSunday, "воскресенье"},
    {kMonday, "понедельник"},
    {kTuesday, "вторник"},
    {kWednesday, "среда"},
    {kThursday, "четверг"},
    {kFriday, "пятница"},
    {kSaturday, "суббота"},
    {kAlarmTitle, "Будильник"},
    {kAlarmPassed,
     "Указанные дата и время будильника уже прошли.\n\nВведите другие дату и (или) время."},
    {kCloseWithAlarmsQuestion,
     "У вас есть включённые будильники. Если закрыть Quillophone, они не сработают.\n\nЗакрыть "
     "Quillophone?"},
    {kNoWeekdayChosen, "Выберите хотя бы один день недели."},
    {kNoMonthChosen, "Выберите хотя бы один месяц."},
    {kEraseAllNotesQuestion, "Удалить все записанные заметки?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "Кодирование в MP3 выполняет библиотека LAME (libmp3lame), используемая на условиях "
     "лицензии GNU Lesser General Public License."},
    {kWmaCredit,
     "Преобразование в WMA выполняют библиотеки FFmpeg (libavformat, libavcodec, "
     "libswresample), используемые на условиях лицензии GNU Lesser General Public License."},
    {kWmaBestQuality, "Файл WMA (наилучшее качество)"},
    {kWmaSmallestFile, "Файл WMA (наименьший размер)"},
    {kWmaFile, "Файл WMA"},
    {kMp3File, "Файл MP3"},
    {kNameTooLong, "Слишком длинное имя."},
    // Dropped files.
    {kReplaceNoteQuestion, "Заметка с таким именем уже существует: %s\n\nЗаменить её?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "Порядок сортировки"},
    {kOptionsLabel, "Параметры:"},
    {kPromptForAlarms, "Предлагать будильник"},
    {kAlphabetical, "По алфавиту"},
    {kOldestFirst, "Сначала старые"},
    {kNewestFirst, "Сначала новые"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "Это сообщение содержит голосовую заметку, записанную в Tolvane Quillophone. Откройте "
     "вложение, чтобы прослушать её в медиапроигрывателе. Если она не воспроизводится, "
     "бесплатный проигрыватель можно загрузить с веб-сайта Tolvane Electronics."},
    {kAlarmDate, "Дата будильника"},
    {kEraseNoteTitle, "Удаление заметки"},
    {kMoveNotesTitle, "Перемещение заметок"},
    {kNameNoteTitle, "Имя заметки"},
    {kNewFolderTitle, "Новая папка"},
    {kNotePropertiesTitle, "Свойства заметки"},
    // Time display, preferences and sizes.
    {kPaused, "Пауза"},
    {kDiskSpaceNote,
     "От этого зависит, сколько места на диске занимают заметки. 10 минут заметок при качестве "
     "«%s» займут %s на диске."},
    {kGigabytes, "ГБ"},
    {kMegabytes, "МБ"},
    {kKilobytes, "КБ"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "Не удалось открыть файл заметки."},
    {kOnly16BitPlayback, "Воспроизводить можно только 16-битные файлы WAV."},
    {kCannotOpenSpeakers, "Не удалось открыть динамики."},
    {kCannotOpenMicrophone,
     "Не удалось открыть микрофон. Возможно, он уже используется другим приложением."},
    {kDiskFull, "Не удалось записать файл заметки. Возможно, диск заполнен."},
    {kNoteFull, "Заметка достигла наибольшего размера, допустимого для файла WAV."},
    {kNoAudio,
     "С микрофона не поступает звук.\n\nНажмите кнопку «Справка», если вам нужна помощь в "
     "настройке микрофона."},
    {kSelectANote, "Прежде чем нажать эту кнопку, выберите заметку."},
    {kEraseSelectionQuestion, "Удалить выделенный фрагмент заметки?"},
    {kReplaceSelectionQuestion,
     "Заменить выделенный фрагмент заметки?\n\n(Если вы ответите «Нет», щёлкните на графике, "
     "чтобы указать место вставки.)"},
    {kNeedInsertionPoint, "Щёлкните на графике, чтобы указать место вставки."},
    {kMonoOnly, "Вставлять запись можно только в 16-битные монофонические файлы WAV."},
    {kInserting, "Вставка"},
    {kAppending, "Добавление в конец"},
    {kLengthSeconds, "%.1f с"},
    {kLengthOneMinute, "1 мин %.1f с"},
    {kLengthMinutes, "%i мин %.1f с"},
    {kNoteReadOnly, "Эта заметка доступна только для чтения. У вас нет прав на её изменение."},
    // Alarms.
    {kIntegerOutOfRange, "Введите целое число от %i до %i."},
};

}  // namespace

extern const LanguageStrings kRussianStrings;
const LanguageStrings kRussianStrings{1049, kRussian, sizeof(kRussian) / sizeof(kRussian[0])};

}  // namespace qp
