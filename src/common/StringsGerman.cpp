// The German string table (language id 1031): the texts of StringsEnglish.cpp under the same
// ids, with the same placeholders in the same order. Product names stay as they are.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kGerman[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {kDefaultFolder1, "Persönlich"},
    {kDefaultFolder2, "Alarme"},
    {kDefaultFolder3, "Aufgaben"},
    {kDefaultFolder4, "Geschäftlich"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "Möchten Sie diese Notiz wirklich löschen?"},
    {kEraseNotesQuestion, "Möchten Sie diese %i Notizen wirklich löschen?"},
    {kFolderNameForbiddenCharacter,
     "Ein Ordnername darf keines der folgenden Zeichen enthalten:  \\ / : * ? < > | \""},
    {kFolderNameTooLong, "Ein Ordnername darf höchstens %i Zeichen lang sein."},
    {kFolderNameEmpty, "Bitte geben Sie einen Namen für den neuen Ordner ein."},
    {kFolderNameTaken, "Es gibt bereits einen Ordner mit diesem Namen."},
    {kFolderNotCreated, "Ein Ordner mit diesem Namen kann nicht erstellt werden."},
    {kFolderNotRenamed, "Der Ordner kann nicht in diesen Namen umbenannt werden."},
    {kDeleteFolderQuestion,
     "Möchten Sie diesen Ordner und alle darin enthaltenen Notizen wirklich löschen?"},
    {kNoteNameForbiddenCharacter,
     "Ein Notizname darf keines der folgenden Zeichen enthalten:  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "Ordner umbenennen"},
    {kNoFolderChosen, "Bitte wählen Sie einen Ordner aus der Liste aus."},
    {kNoteNotMoved,
     "Die Notiz kann nicht verschoben werden, weil es in diesem Ordner bereits eine Notiz mit "
     "demselben Namen gibt."},
    {kTrayTip, "          Tolvane Quillophone \n Gedrückt halten für eine Schnellaufnahme"},
    // E-mail.
    {kEmailSubject, "Nachricht von Tolvane Quillophone"},
    {kEmailFailed,
     "Ihr E-Mail-Programm unterstützt das Senden aus Quillophone nicht, oder es muss erst für "
     "Quillophone eingerichtet werden.\n\nKlicken Sie auf „Hilfe“, wenn Sie wissen möchten, wie "
     "Sie Ihr E-Mail-Programm für Quillophone einrichten."},
    // Recording quality.
    {kQualityLow, "Niedrig"},
    {kQualityMedium, "Mittel"},
    {kQualityHigh, "Hoch"},
    // Alarms. Ordinals in the dative: the alarm dialog reads "Am [ersten] [Montag] des Monats".
    {kOrdinalFirst, "ersten"},
    {kOrdinalSecond, "zweiten"},
    {kOrdinalThird, "dritten"},
    {kOrdinalFourth, "vierten"},
    {kOrdinalLast, "letzten"},
    {kSunday, "Sonntag"},
    {kMonday, "Montag"},
    {kTuesday, "Dienstag"},
    {kWednesday, "Mittwoch"},
    {kThursday, "Donnerstag"},
    {kFriday, "Freitag"},
    {kSaturday, "Samstag"},
    {kAlarmTitle, "Alarm"},
    {kAlarmPassed,
     "Datum und Uhrzeit des Alarms liegen bereits in der Vergangenheit.\n\nBitte geben Sie ein "
     "neues Datum und/oder eine neue Uhrzeit ein."},
    {kCloseWithAlarmsQuestion,
     "Sie haben aktive Alarme. Wenn Sie Quillophone schließen, werden die Alarme "
     "deaktiviert.\n\nMöchten Sie Quillophone schließen?"},
    {kNoWeekdayChosen, "Bitte wählen Sie mindestens einen Wochentag aus."},
    {kNoMonthChosen, "Bitte wählen Sie mindestens einen Monat aus."},
    {kEraseAllNotesQuestion, "Möchten Sie alle aufgenommenen Notizen löschen?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "MP3-Kodierung mit der Encoder-Bibliothek LAME (libmp3lame), verwendet unter der GNU Lesser "
     "General Public License."},
    {kWmaCredit,
     "WMA-Konvertierung mit den FFmpeg-Bibliotheken (libavformat, libavcodec, libswresample), "
     "verwendet unter der GNU Lesser General Public License."},
    {kWmaBestQuality, "WMA-Datei (beste Qualität)"},
    {kWmaSmallestFile, "WMA-Datei (kleinste Datei)"},
    {kWmaFile, "WMA-Datei"},
    {kMp3File, "MP3-Datei"},
    {kNameTooLong, "Der Name ist zu lang."},
    // Dropped files.
    {kReplaceNoteQuestion,
     "Es gibt bereits eine Notiz mit diesem Namen: %s\n\nMöchten Sie sie ersetzen?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "Sortierung"},
    {kOptionsLabel, "Optionen:"},
    {kPromptForAlarms, "Nach Alarm fragen"},
    {kAlphabetical, "Alphabetisch"},
    {kOldestFirst, "Älteste zuerst"},
    {kNewestFirst, "Neueste zuerst"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "Diese Nachricht enthält eine Sprachnotiz, die mit Tolvane Quillophone aufgenommen wurde. "
     "Öffnen Sie den Anhang, um sie mit Ihrem Mediaplayer abzuspielen. Falls sie sich nicht "
     "abspielen lässt, können Sie einen kostenlosen Player von der Website von Tolvane "
     "Electronics herunterladen."},
    {kAlarmDate, "Alarmdatum"},
    {kEraseNoteTitle, "Notiz löschen"},
    {kMoveNotesTitle, "Notizen verschieben"},
    {kNameNoteTitle, "Notiz benennen"},
    {kNewFolderTitle, "Neuer Ordner"},
    {kNotePropertiesTitle, "Eigenschaften der Notiz"},
    // Time display, preferences and sizes.
    {kPaused, "Pausiert"},
    {kDiskSpaceNote,
     "Dies wirkt sich auf den belegten Speicherplatz aus. 10 Minuten Notizen in der Qualität "
     "„%s“ belegen %s Speicherplatz."},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "Die Notizdatei kann nicht geöffnet werden."},
    {kOnly16BitPlayback, "Es können nur 16-Bit-Wave-Dateien wiedergegeben werden."},
    {kCannotOpenSpeakers, "Die Lautsprecher können nicht geöffnet werden."},
    {kCannotOpenMicrophone,
     "Das Mikrofon kann nicht geöffnet werden. Möglicherweise wird es bereits von einer anderen "
     "Anwendung verwendet."},
    {kDiskFull,
     "Die Notizdatei kann nicht geschrieben werden. Möglicherweise ist der Datenträger voll."},
    {kNoteFull, "Die Notiz hat die größte Länge erreicht, die eine Wave-Datei fassen kann."},
    {kNoAudio,
     "Vom Mikrofon kommt kein Ton.\n\nKlicken Sie auf „Hilfe“, wenn Sie wissen möchten, wie Sie "
     "Ihr Mikrofon einstellen."},
    {kSelectANote, "Wählen Sie eine Notiz aus, bevor Sie auf diese Schaltfläche klicken."},
    {kEraseSelectionQuestion, "Möchten Sie den markierten Bereich der Notiz löschen?"},
    {kReplaceSelectionQuestion,
     "Möchten Sie den markierten Bereich der Notiz ersetzen?\n\n(Wenn Sie mit „Nein“ antworten, "
     "klicken Sie in die Grafik, um die Einfügestelle festzulegen.)"},
    {kNeedInsertionPoint, "Klicken Sie in die Grafik, um die Einfügestelle festzulegen."},
    {kMonoOnly, "Aufnahmen können nur in 16-Bit-Mono-Wave-Dateien eingefügt werden."},
    {kInserting, "Einfügen"},
    {kAppending, "Anhängen"},
    {kLengthSeconds, "%.1f Sekunden"},
    {kLengthOneMinute, "1 Minute %.1f Sekunden"},
    {kLengthMinutes, "%i Minuten %.1f Sekunden"},
    {kNoteReadOnly,
     "Diese Notiz ist schreibgeschützt. Sie haben keine Berechtigung, sie zu ändern."},
    // Alarms.
    {kIntegerOutOfRange, "Bitte geben Sie eine ganze Zahl zwischen %i und %i ein."},
};

}  // namespace

extern const LanguageStrings kGermanStrings;
const LanguageStrings kGermanStrings{1031, kGerman, sizeof(kGerman) / sizeof(kGerman[0])};

}  // namespace qp
