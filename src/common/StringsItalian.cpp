// The Italian string table (language id 1040): the texts of StringsEnglish.cpp under the same
// ids, with the same placeholders in the same order. Product names stay as they are.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kItalian[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {kDefaultFolder1, "Personale"},
    {kDefaultFolder2, "Allarmi"},
    {kDefaultFolder3, "Da fare"},
    {kDefaultFolder4, "Lavoro"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "Eliminare questa nota?"},
    {kEraseNotesQuestion, "Eliminare queste %i note?"},
    {kFolderNameForbiddenCharacter,
     "Il nome di una cartella non può contenere nessuno dei seguenti caratteri:  \\ / : * ? < > "
     "| \""},
    {kFolderNameTooLong, "Il nome di una cartella non può superare i %i caratteri."},
    {kFolderNameEmpty, "Immettere un nome per la nuova cartella."},
    {kFolderNameTaken, "Esiste già una cartella con questo nome."},
    {kFolderNotCreated, "Impossibile creare una cartella con questo nome."},
    {kFolderNotRenamed, "Impossibile rinominare la cartella con questo nome."},
    {kDeleteFolderQuestion, "Eliminare questa cartella e tutte le note che contiene?"},
    {kNoteNameForbiddenCharacter,
     "Il nome di una nota non può contenere nessuno dei seguenti caratteri:  \\ / : * ? < > | "
     "\""},
    {kRenameFolderTitle, "Rinomina cartella"},
    {kNoFolderChosen, "Selezionare una cartella dall'elenco."},
    {kNoteNotMoved,
     "Impossibile spostare la nota perché nella cartella esiste già una nota con lo stesso "
     "nome."},
    {kTrayTip, "          Tolvane Quillophone \n Tenere premuto per una registrazione rapida"},
    // E-mail.
    {kEmailSubject, "Messaggio di Tolvane Quillophone"},
    {kEmailFailed,
     "Il programma di posta elettronica non supporta l'invio di messaggi da Quillophone, oppure "
     "deve essere configurato per funzionare con Quillophone.\n\nFare clic sul pulsante "
     "\"Aiuto\" per ricevere assistenza nella configurazione della posta elettronica con "
     "Quillophone."},
    // Recording quality.
    {kQualityLow, "Bassa"},
    {kQualityMedium, "Media"},
    {kQualityHigh, "Alta"},
    // Alarms. Lower case: the alarm dialog reads "Il [primo] [lunedì] del mese".
    {kOrdinalFirst, "primo"},
    {kOrdinalSecond, "secondo"},
    {kOrdinalThird, "terzo"},
    {kOrdinalFourth, "quarto"},
    {kOrdinalLast, "ultimo"},
    {kSunday, "domenica"},
    {kMonday, "lunedì"},
    {kTuesday, "martedì"},
    {kWednesday, "mercoledì"},
    {kThursday, "giovedì"},
    {kFriday, "venerdì"},
    {kSaturday, "sabato"},
    {kAlarmTitle, "Allarme"},
    {kAlarmPassed,
     "La data e l'ora dell'allarme sono già trascorse.\n\nImmettere una nuova data e/o una nuova "
     "ora."},
    {kCloseWithAlarmsQuestion,
     "Sono presenti allarmi attivi. Chiudendo Quillophone gli allarmi verranno "
     "disattivati.\n\nChiudere Quillophone?"},
    {kNoWeekdayChosen, "Specificare almeno un giorno della settimana."},
    {kNoMonthChosen, "Specificare almeno un mese."},
    {kEraseAllNotesQuestion, "Eliminare tutte le note registrate?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "Codifica MP3 tramite la libreria di codifica LAME (libmp3lame), utilizzata secondo i "
     "termini della GNU Lesser General Public License."},
    {kWmaCredit,
     "Conversione WMA tramite le librerie FFmpeg (libavformat, libavcodec, libswresample), "
     "utilizzate secondo i termini della GNU Lesser General Public License."},
    {kWmaBestQuality, "File WMA (qualità migliore)"},
    {kWmaSmallestFile, "File WMA (dimensioni minime)"},
    {kWmaFile, "File WMA"},
    {kMp3File, "File MP3"},
    {kNameTooLong, "Il nome è troppo lungo."},
    // Dropped files.
    {kReplaceNoteQuestion, "Esiste già una nota con questo nome: %s\n\nSostituirla?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "Ordinamento"},
    {kOptionsLabel, "Opzioni:"},
    {kPromptForAlarms, "Chiedi allarme"},
    {kAlphabetical, "Alfabetico"},
    {kOldestFirst, "Prima le meno recenti"},
    {kNewestFirst, "Prima le più recenti"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "Questo messaggio contiene una nota vocale registrata con Tolvane Quillophone. Aprire "
     "l'allegato per ascoltarla con il proprio lettore multimediale. Se non viene riprodotta, è "
     "possibile scaricare un lettore gratuito dal sito web di Tolvane Electronics."},
    {kAlarmDate, "Data allarme"},
    {kEraseNoteTitle, "Elimina nota"},
    {kMoveNotesTitle, "Sposta note"},
    {kNameNoteTitle, "Assegna nome alla nota"},
    {kNewFolderTitle, "Nuova cartella"},
    {kNotePropertiesTitle, "Proprietà nota"},
    // Time display, preferences and sizes.
    {kPaused, "In pausa"},
    {kDiskSpaceNote,
     "Questa impostazione influisce sullo spazio su disco utilizzato. 10 minuti di note in "
     "qualità \"%s\" occupano %s di spazio su disco."},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "Impossibile aprire il file della nota."},
    {kOnly16BitPlayback, "È possibile riprodurre solo file WAV a 16 bit."},
    {kCannotOpenSpeakers, "Impossibile aprire gli altoparlanti."},
    {kCannotOpenMicrophone,
     "Impossibile aprire il microfono. È possibile che sia già in uso da parte di un'altra "
     "applicazione."},
    {kDiskFull, "Impossibile scrivere il file della nota. Il disco potrebbe essere pieno."},
    {kNoteFull, "La nota ha raggiunto la dimensione massima consentita per un file WAV."},
    {kNoAudio,
     "Non è stato rilevato alcun segnale audio dal microfono.\n\nFare clic sul pulsante "
     "\"Aiuto\" per ricevere assistenza nella regolazione del microfono."},
    {kSelectANote, "Selezionare una nota prima di premere questo pulsante."},
    {kEraseSelectionQuestion, "Eliminare la parte selezionata della nota?"},
    {kReplaceSelectionQuestion,
     "Sostituire la parte selezionata della nota?\n\n(Se si risponde \"No\", fare clic sul "
     "grafico per scegliere il punto di inserimento.)"},
    {kNeedInsertionPoint, "Fare clic sul grafico per indicare il punto di inserimento."},
    {kMonoOnly, "È possibile inserire registrazioni solo in file WAV mono a 16 bit."},
    {kInserting, "Inserimento"},
    {kAppending, "Aggiunta in coda"},
    {kLengthSeconds, "%.1f secondi"},
    {kLengthOneMinute, "1 minuto %.1f secondi"},
    {kLengthMinutes, "%i minuti %.1f secondi"},
    {kNoteReadOnly,
     "Questa nota è di sola lettura. Non si dispone dell'autorizzazione per "
     "modificarla."},
    // Alarms.
    {kIntegerOutOfRange, "Immettere un numero intero compreso tra %i e %i."},
    // From h-dialogs.
    {kCloseButton, "Chiudi"},
    {kMinutesLabel, "minuto/i"},
    {kSnoozeButton, "Posticipa"},
    {kSnoozeForLabel, "Posticipa di"},
    {kOkButton, "OK"},
    {kCancelButton, "Annulla"},
    {kHelpButton, "&Aiuto"},
    {kNewFolderNameLabel, "&Nome della nuova cartella:"},
    {kCurrentFolderNameLabel, "Nome attuale della cartella:"},
    {kNoteNameLabel, "&Nome:"},
    {kNoteFolderLabel, "&Cartella:"},
    {kMoveNotesPrompt, "Selezionare la cartella in cui spostare le note selezionate:"},
    {kFolderLabel, "Cartella:"},
    {kCheckNotesToErase, "Se&lezionare le note da eliminare:"},
    {kCheckAll, "Seleziona &tutte"},
    {kUncheckAll, "&Deseleziona tutte"},
    {kEraseButton, "&Elimina"},
    {kNameLabel, "Nome:"},
    {kQualityLabel, "Qualità:"},
    {kLengthLabel, "Durata:"},
    {kLastModifiedLabel, "Ultima modifica:"},
    {kFileSizeLabel, "Dimensione file:"},
    {kLocationLabel, "Percorso:"},
    {kAlarmTimeLabel, "&Ora allarme:"},
    {kScheduleGroup, "Pianificazione"},
    {kOneTimeOnly, "&Una sola volta"},
    {kWeekly, "&Settimanale"},
    {kMonthly, "&Mensile"},
    {kPlayOnLabel, "Ri&produci il:"},
    {kEraseAfterPlaying, "&Elimina la nota dopo l'allarme"},
    {kDayOfMonthRadio, "&Giorno"},
    {kOfTheMonth, "del mese"},
    {kNthWeekdayRadio, "&Il"},
    {kSunShort, "dom"},
    {kMonShort, "lun"},
    {kTueShort, "mar"},
    {kWedShort, "mer"},
    {kThuShort, "gio"},
    {kFriShort, "ven"},
    {kSatShort, "sab"},
    {kJanShort, "gen"},
    {kFebShort, "feb"},
    {kMarShort, "mar"},
    {kAprShort, "apr"},
    {kMayShort, "mag"},
    {kJunShort, "giu"},
    {kJulShort, "lug"},
    {kAugShort, "ago"},
    {kSepShort, "set"},
    {kOctShort, "ott"},
    {kNovShort, "nov"},
    {kDecShort, "dic"},
    {kAlarmOptionsGroup, "Opzioni"},
    {kPlayToneBeforeNote, "Riproduci un segnale &acustico prima della nota"},
    {kDisplayPopup, "Mostra messaggio a &comparsa"},
    {kPopupMessageLabel, "&Testo del messaggio:"},
    {kReplayEvery, "&Ripeti ogni"},
    {kReplayMinutesSuffix, "minuto/i, fino a 3 volte"},
    {kSetAlarm, "Imposta a&llarme"},
    {kDisableAlarm, "&Disattiva allarme"},
    {kDoNotShowAgain, "&Non visualizzare più questo messaggio"},
    {kNoMailProgram,
     "Nessun programma di posta elettronica è configurato per inviare messaggi da "
     "Quillophone.\n\nScegliere un programma di posta predefinito nelle impostazioni del desktop e "
     "riprovare."},
    // From h-prefs.
    {kPreferencesTitle, "Preferenze"},
    {kAlarmsWithToday, "%i  (oggi: %i)"},
    {kWaveFile, "File WAV"},
    {kRecordingQualityLabel, "Qualità di registrazione"},
    {kQualityLowOption, "&Bassa"},
    {kQualityMediumOption, "&Media"},
    {kQualityHighOption, "A&lta"},
    {kSkinLabel, "&Skin:"},
    {kEmailFormatLabel, "Formato &e-mail:"},
    {kDragFormatLabel, "Formato &trascinamento:"},
    {kMicrophoneEnhancementsOption, "Migl&ioramenti microfono"},
    {kShowOnTaskbarOption, "Mostra &Quillophone nella barra delle applicazioni"},
    {kShowTooltipsOption, "Mostra &descrizioni comandi"},
    {kPromptForNameOption, "Chiedi il &nome della nota dopo la registrazione"},
    {kSoundEffectsOption, "Effetti s&onori"},
    {kSkinPreviewName, "Anteprima skin"},
    {kAboutTitle, "Informazioni su Quillophone"},
    {kVersionWord, "Versione"},
    {kStatisticsGroup, "Statistiche"},
    {kFoldersLabel, "Cartelle:"},
    {kNotesLabel, "Note:"},
    {kAlarmsLabel, "Allarmi:"},
    {kDiskSpaceUsedLabel, "Spazio su disco utilizzato:"},
    {kDiskSpaceAvailableLabel, "Spazio su disco disponibile:"},
    {kMakerLine, "Tolvane Electronics"},
    {kLegalLine, "Copyright \u00a9 2026 Tolvane Electronics. Tutti i diritti riservati."},
    {kWebSiteButton, "Sito &web"},
    // From h-shell.
    {kTrayOpen, "&Apri Quillophone..."},
    {kTrayHelp, "Ai&uto..."},
    {kTrayPreferences, "&Preferenze..."},
    {kTrayEraseNotes, "&Elimina note..."},
    {kTrayAbout, "&Informazioni su Quillophone..."},
    {kTrayClose, "&Chiudi"},
};

}  // namespace

extern const LanguageStrings kItalianStrings;
const LanguageStrings kItalianStrings{1040, kItalian, sizeof(kItalian) / sizeof(kItalian[0])};

}  // namespace qp
