// The French string table (language id 1036): the texts of StringsEnglish.cpp under the same
// ids, with the same placeholders in the same order. Product names stay as they are. "\u00a0"
// is the no-break space French puts before ? ! : and inside quotation marks.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kFrench[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {kDefaultFolder1, "Personnel"},
    {kDefaultFolder2, "Alarmes"},
    {kDefaultFolder3, "À faire"},
    {kDefaultFolder4, "Travail"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "Voulez-vous vraiment supprimer cette note\u00a0?"},
    {kEraseNotesQuestion, "Voulez-vous vraiment supprimer ces %i notes\u00a0?"},
    {kFolderNameForbiddenCharacter,
     "Un nom de dossier ne peut contenir aucun des caractères suivants\u00a0:  \\ / : * ? < > | "
     "\""},
    {kFolderNameTooLong, "Un nom de dossier ne peut pas dépasser %i caractères."},
    {kFolderNameEmpty, "Vous devez saisir un nom pour le nouveau dossier."},
    {kFolderNameTaken, "Vous avez déjà un dossier portant ce nom."},
    {kFolderNotCreated, "Impossible de créer un dossier portant ce nom."},
    {kFolderNotRenamed, "Impossible de renommer le dossier avec ce nouveau nom."},
    {kDeleteFolderQuestion,
     "Voulez-vous vraiment supprimer ce dossier ainsi que toutes les notes qu'il contient\u00a0?"},
    {kNoteNameForbiddenCharacter,
     "Un nom de note ne peut contenir aucun des caractères suivants\u00a0:  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "Renommer le dossier"},
    {kNoFolderChosen, "Vous devez sélectionner un dossier dans la liste."},
    {kNoteNotMoved,
     "Impossible de déplacer la note, car une note portant le même nom existe déjà dans ce "
     "dossier."},
    {kTrayTip,
     "          Tolvane Quillophone \n Maintenez le bouton enfoncé pour un enregistrement rapide"},
    // E-mail.
    {kEmailSubject, "Message de Tolvane Quillophone"},
    {kEmailFailed,
     "Votre logiciel de messagerie ne permet pas l'envoi de messages depuis Quillophone, ou il "
     "doit être configuré pour fonctionner avec Quillophone.\n\nCliquez sur le bouton "
     "«\u00a0Aide\u00a0» si vous souhaitez de l'aide pour configurer votre messagerie avec "
     "Quillophone."},
    // Recording quality.
    {kQualityLow, "Basse"},
    {kQualityMedium, "Moyenne"},
    {kQualityHigh, "Haute"},
    // Alarms. Lower case: the alarm dialog reads "Le [premier] [lundi] du mois".
    {kOrdinalFirst, "premier"},
    {kOrdinalSecond, "deuxième"},
    {kOrdinalThird, "troisième"},
    {kOrdinalFourth, "quatrième"},
    {kOrdinalLast, "dernier"},
    {kSunday, "dimanche"},
    {kMonday, "lundi"},
    {kTuesday, "mardi"},
    {kWednesday, "mercredi"},
    {kThursday, "jeudi"},
    {kFriday, "vendredi"},
    {kSaturday, "samedi"},
    {kAlarmTitle, "Alarme"},
    {kAlarmPassed,
     "La date et l'heure de l'alarme sont déjà passées.\n\nVeuillez saisir une nouvelle date "
     "et/ou une nouvelle heure."},
    {kCloseWithAlarmsQuestion,
     "Des alarmes sont actives. Si vous fermez Quillophone, elles seront désactivées.\n\nVoulez-"
     "vous fermer Quillophone\u00a0?"},
    {kNoWeekdayChosen, "Vous devez choisir au moins un jour de la semaine."},
    {kNoMonthChosen, "Vous devez choisir au moins un mois."},
    {kEraseAllNotesQuestion, "Voulez-vous supprimer toutes les notes enregistrées\u00a0?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "Encodage MP3 par la bibliothèque d'encodage LAME (libmp3lame), utilisée sous la licence GNU "
     "Lesser General Public License."},
    {kWmaCredit,
     "Conversion WMA par les bibliothèques FFmpeg (libavformat, libavcodec, libswresample), "
     "utilisées sous la licence GNU Lesser General Public License."},
    {kWmaBestQuality, "Fichier WMA (meilleure qualité)"},
    {kWmaSmallestFile, "Fichier WMA (taille minimale)"},
    {kWmaFile, "Fichier WMA"},
    {kMp3File, "Fichier MP3"},
    {kNameTooLong, "Le nom est trop long."},
    // Dropped files.
    {kReplaceNoteQuestion,
     "Vous avez déjà une note portant ce nom\u00a0: %s\n\nVoulez-vous la remplacer\u00a0?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "Ordre de tri"},
    {kOptionsLabel, "Options\u00a0:"},
    {kPromptForAlarms, "Proposer une alarme"},
    {kAlphabetical, "Alphabétique"},
    {kOldestFirst, "Plus anciennes d'abord"},
    {kNewestFirst, "Plus récentes d'abord"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "Ce message contient une note vocale enregistrée avec Tolvane Quillophone. Ouvrez la pièce "
     "jointe pour l'écouter avec votre lecteur multimédia. Si elle ne se lit pas, vous pouvez "
     "télécharger un lecteur gratuit sur le site web de Tolvane Electronics."},
    {kAlarmDate, "Date de l'alarme"},
    {kEraseNoteTitle, "Supprimer la note"},
    {kMoveNotesTitle, "Déplacer les notes"},
    {kNameNoteTitle, "Nommer la note"},
    {kNewFolderTitle, "Nouveau dossier"},
    {kNotePropertiesTitle, "Propriétés de la note"},
    // Time display, preferences and sizes.
    {kPaused, "En pause"},
    {kDiskSpaceNote,
     "Ce réglage influe sur l'espace disque utilisé. 10 minutes de notes en qualité "
     "«\u00a0%s\u00a0» occupent %s d'espace disque."},
    {kGigabytes, "Go"},
    {kMegabytes, "Mo"},
    {kKilobytes, "Ko"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "Impossible d'ouvrir le fichier de la note."},
    {kOnly16BitPlayback, "Seuls les fichiers WAV 16 bits peuvent être lus."},
    {kCannotOpenSpeakers, "Impossible d'ouvrir les haut-parleurs."},
    {kCannotOpenMicrophone,
     "Impossible d'ouvrir le microphone. Une autre application l'utilise peut-être déjà."},
    {kDiskFull, "Impossible d'écrire le fichier de la note. Le disque est peut-être plein."},
    {kNoteFull, "La note a atteint la taille maximale que peut contenir un fichier WAV."},
    {kNoAudio,
     "Aucun son ne provient de votre microphone.\n\nCliquez sur le bouton «\u00a0Aide\u00a0» si "
     "vous souhaitez de l'aide pour régler votre microphone."},
    {kSelectANote, "Sélectionnez une note avant de cliquer sur ce bouton."},
    {kEraseSelectionQuestion, "Voulez-vous effacer la partie sélectionnée de la note\u00a0?"},
    {kReplaceSelectionQuestion,
     "Voulez-vous remplacer la partie sélectionnée de la note\u00a0?\n\n(Si vous répondez "
     "«\u00a0Non\u00a0», cliquez sur le graphique pour choisir le point d'insertion.)"},
    {kNeedInsertionPoint, "Cliquez sur le graphique pour indiquer le point d'insertion."},
    {kMonoOnly, "Vous ne pouvez insérer un enregistrement que dans un fichier WAV 16 bits mono."},
    {kInserting, "Insertion"},
    {kAppending, "Ajout à la fin"},
    {kLengthSeconds, "%.1f secondes"},
    {kLengthOneMinute, "1 minute %.1f secondes"},
    {kLengthMinutes, "%i minutes %.1f secondes"},
    {kNoteReadOnly,
     "Cette note est en lecture seule. Vous n'avez pas l'autorisation de la modifier."},
    // Alarms.
    {kIntegerOutOfRange, "Veuillez saisir un nombre entier compris entre %i et %i."},
    // From h-dialogs.
    {kCloseButton, "Fermer"},
    {kMinutesLabel, "minute(s)"},
    {kSnoozeButton, "Répéter"},
    {kSnoozeForLabel, "Répéter dans"},
    {kOkButton, "OK"},
    {kCancelButton, "Annuler"},
    {kHelpButton, "&Aide"},
    {kNewFolderNameLabel, "&Nom du nouveau dossier\u00a0:"},
    {kCurrentFolderNameLabel, "Nom actuel du dossier\u00a0:"},
    {kNoteNameLabel, "&Nom\u00a0:"},
    {kNoteFolderLabel, "&Dossier\u00a0:"},
    {kMoveNotesPrompt,
     "Sélectionnez le dossier dans lequel déplacer les notes sélectionnées\u00a0:"},
    {kFolderLabel, "Dossier\u00a0:"},
    {kCheckNotesToErase, "&Cochez les notes à supprimer\u00a0:"},
    {kCheckAll, "&Tout cocher"},
    {kUncheckAll, "Tout &décocher"},
    {kEraseButton, "&Supprimer"},
    {kNameLabel, "Nom\u00a0:"},
    {kQualityLabel, "Qualité\u00a0:"},
    {kLengthLabel, "Durée\u00a0:"},
    {kLastModifiedLabel, "Dernière modification\u00a0:"},
    {kFileSizeLabel, "Taille du fichier\u00a0:"},
    {kLocationLabel, "Emplacement\u00a0:"},
    {kAlarmTimeLabel, "&Heure de l'alarme\u00a0:"},
    {kScheduleGroup, "Planification"},
    {kOneTimeOnly, "&Une seule fois"},
    {kWeekly, "Chaque &semaine"},
    {kMonthly, "Chaque &mois"},
    {kPlayOnLabel, "&Lire le\u00a0:"},
    {kEraseAfterPlaying, "Su&pprimer la note après l'alarme"},
    {kDayOfMonthRadio, "&Jour"},
    {kOfTheMonth, "du mois"},
    {kNthWeekdayRadio, "L&e"},
    {kSunShort, "dim."},
    {kMonShort, "lun."},
    {kTueShort, "mar."},
    {kWedShort, "mer."},
    {kThuShort, "jeu."},
    {kFriShort, "ven."},
    {kSatShort, "sam."},
    {kJanShort, "janv."},
    {kFebShort, "févr."},
    {kMarShort, "mars"},
    {kAprShort, "avr."},
    {kMayShort, "mai"},
    {kJunShort, "juin"},
    {kJulShort, "juil."},
    {kAugShort, "août"},
    {kSepShort, "sept."},
    {kOctShort, "oct."},
    {kNovShort, "nov."},
    {kDecShort, "déc."},
    {kAlarmOptionsGroup, "Options"},
    {kPlayToneBeforeNote, "Émettre un &bip avant la note"},
    {kDisplayPopup, "Afficher une fenêtre &contextuelle"},
    {kPopupMessageLabel, "Texte du messa&ge\u00a0:"},
    {kReplayEvery, "&Répéter toutes les"},
    {kReplayMinutesSuffix, "minute(s), 3 fois au maximum"},
    {kSetAlarm, "Définir l'&alarme"},
    {kDisableAlarm, "&Désactiver l'alarme"},
    {kDoNotShowAgain, "&Ne plus afficher ce message"},
    {kNoMailProgram,
     "Aucun logiciel de messagerie n'est configuré pour envoyer des messages depuis "
     "Quillophone.\n\nChoisissez un logiciel de messagerie par défaut dans les paramètres de votre "
     "bureau, puis réessayez."},
    // From h-prefs.
    {kPreferencesTitle, "Préférences"},
    {kAlarmsWithToday, "%i  (aujourd'hui\u00a0: %i)"},
    {kWaveFile, "Fichier WAV"},
    {kRecordingQualityLabel, "Qualité d'enregistrement"},
    {kQualityLowOption, "&Basse"},
    {kQualityMediumOption, "&Moyenne"},
    {kQualityHighOption, "&Haute"},
    {kSkinLabel, "Habi&llage\u00a0:"},
    {kEmailFormatLabel, "Format des pièces &jointes\u00a0:"},
    {kDragFormatLabel, "Format du &glisser-déposer\u00a0:"},
    {kMicrophoneEnhancementsOption, "Amél&iorations du microphone"},
    {kShowOnTaskbarOption, "Afficher &Quillophone dans la barre des tâches"},
    {kShowTooltipsOption, "Afficher les in&fobulles"},
    {kPromptForNameOption, "Demander un &nom après l'enregistrement"},
    {kSoundEffectsOption, "Effets s&onores"},
    {kSkinPreviewName, "Aperçu de l'habillage"},
    {kAboutTitle, "À propos de Quillophone"},
    {kVersionWord, "Version"},
    {kStatisticsGroup, "Statistiques"},
    {kFoldersLabel, "Dossiers\u00a0:"},
    {kNotesLabel, "Notes\u00a0:"},
    {kAlarmsLabel, "Alarmes\u00a0:"},
    {kDiskSpaceUsedLabel, "Espace disque utilisé\u00a0:"},
    {kDiskSpaceAvailableLabel, "Espace disque disponible\u00a0:"},
    {kMakerLine, "Tolvane Electronics"},
    {kLegalLine, "Copyright \u00a9 2026 Tolvane Electronics. Tous droits réservés."},
    {kWebSiteButton, "Site &web"},
    // From h-shell.
    {kTrayOpen, "&Ouvrir Quillophone..."},
    {kTrayHelp, "&Aide..."},
    {kTrayPreferences, "Pré&férences..."},
    {kTrayEraseNotes, "&Supprimer des notes..."},
    {kTrayAbout, "À &propos de Quillophone..."},
    {kTrayClose, "&Quitter"},
};

}  // namespace

extern const LanguageStrings kFrenchStrings;
const LanguageStrings kFrenchStrings{1036, kFrench, sizeof(kFrench) / sizeof(kFrench[0])};

}  // namespace qp
