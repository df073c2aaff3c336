// The Spanish string table (language id 2058, the table of every Spanish variant): the texts of
// StringsEnglish.cpp under the same ids, with the same placeholders in the same order. Product
// names stay as they are.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kSpanish[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {kDefaultFolder1, "Personal"},
    {kDefaultFolder2, "Alarmas"},
    {kDefaultFolder3, "Pendientes"},
    {kDefaultFolder4, "Trabajo"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "¿Está seguro de que desea eliminar esta nota?"},
    {kEraseNotesQuestion, "¿Está seguro de que desea eliminar estas %i notas?"},
    {kFolderNameForbiddenCharacter,
     "El nombre de una carpeta no puede contener ninguno de los siguientes caracteres:  \\ / : * "
     "? < > | \""},
    {kFolderNameTooLong, "El nombre de una carpeta no puede tener más de %i caracteres."},
    {kFolderNameEmpty, "Debe escribir un nombre para la nueva carpeta."},
    {kFolderNameTaken, "Ya tiene una carpeta con este nombre."},
    {kFolderNotCreated, "No se puede crear una carpeta con este nombre."},
    {kFolderNotRenamed, "No se puede cambiar el nombre de la carpeta por este nuevo nombre."},
    {kDeleteFolderQuestion,
     "¿Está seguro de que desea eliminar esta carpeta y todas las notas que contiene?"},
    {kNoteNameForbiddenCharacter,
     "El nombre de una nota no puede contener ninguno de los siguientes caracteres:  \\ / : * ? "
     "< > | \""},
    {kRenameFolderTitle, "Cambiar nombre de carpeta"},
    {kNoFolderChosen, "Debe seleccionar una carpeta de la lista."},
    {kNoteNotMoved,
     "No se puede mover la nota porque ya existe una nota con el mismo nombre en la carpeta."},
    {kTrayTip, "          Tolvane Quillophone \n Mantenga presionado para una grabación rápida"},
    // E-mail.
    {kEmailSubject, "Mensaje de Tolvane Quillophone"},
    {kEmailFailed,
     "Su programa de correo electrónico no permite enviar mensajes desde Quillophone, o debe "
     "configurarse para funcionar con Quillophone.\n\nPresione el botón \"Ayuda\" si desea ayuda "
     "para configurar su correo electrónico con Quillophone."},
    // Recording quality.
    {kQualityLow, "Baja"},
    {kQualityMedium, "Media"},
    {kQualityHigh, "Alta"},
    // Alarms. Lower case: the alarm dialog reads "El [primer] [lunes] del mes".
    {kOrdinalFirst, "primer"},
    {kOrdinalSecond, "segundo"},
    {kOrdinalThird, "tercer"},
    {kOrdinalFourth, "cuarto"},
    {kOrdinalLast, "último"},
    {kSunday, "domingo"},
    {kMonday, "lunes"},
    {kTuesday, "martes"},
    {kWednesday, "miércoles"},
    {kThursday, "jueves"},
    {kFriday, "viernes"},
    {kSaturday, "sábado"},
    {kAlarmTitle, "Alarma"},
    {kAlarmPassed,
     "La fecha y hora de la alarma ya pasaron.\n\nEscriba una nueva fecha, una nueva hora o "
     "ambas."},
    {kCloseWithAlarmsQuestion,
     "Tiene alarmas activas. Si cierra Quillophone, las alarmas se desactivarán.\n\n¿Desea "
     "cerrar Quillophone?"},
    {kNoWeekdayChosen, "Debe indicar al menos un día de la semana."},
    {kNoMonthChosen, "Debe indicar al menos un mes."},
    {kEraseAllNotesQuestion, "¿Desea eliminar todas las notas grabadas?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "Codificación MP3 mediante la biblioteca de codificación LAME (libmp3lame), utilizada bajo "
     "la licencia GNU Lesser General Public License."},
    {kWmaCredit,
     "Conversión WMA mediante las bibliotecas FFmpeg (libavformat, libavcodec, libswresample), "
     "utilizadas bajo la licencia GNU Lesser General Public License."},
    {kWmaBestQuality, "Archivo WMA (mejor calidad)"},
    {kWmaSmallestFile, "Archivo WMA (archivo más pequeño)"},
    {kWmaFile, "Archivo WMA"},
    {kMp3File, "Archivo MP3"},
    {kNameTooLong, "El nombre es demasiado largo."},
    // Dropped files.
    {kReplaceNoteQuestion, "Ya tiene una nota con este nombre: %s\n\n¿Desea reemplazarla?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "Orden"},
    {kOptionsLabel, "Opciones:"},
    {kPromptForAlarms, "Preguntar por alarmas"},
    {kAlphabetical, "Alfabético"},
    {kOldestFirst, "Más antiguas primero"},
    {kNewestFirst, "Más recientes primero"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "Este mensaje contiene una nota de voz grabada con Tolvane Quillophone. Abra el archivo "
     "adjunto para reproducirla con su reproductor multimedia. Si no se reproduce, puede "
     "descargar un reproductor gratuito del sitio web de Tolvane Electronics."},
    {kAlarmDate, "Fecha de la alarma"},
    {kEraseNoteTitle, "Eliminar nota"},
    {kMoveNotesTitle, "Mover notas"},
    {kNameNoteTitle, "Asignar nombre a la nota"},
    {kNewFolderTitle, "Nueva carpeta"},
    {kNotePropertiesTitle, "Propiedades de la nota"},
    // Time display, preferences and sizes.
    {kPaused, "En pausa"},
    {kDiskSpaceNote,
     "Esto afecta al espacio en disco utilizado. 10 minutos de notas en calidad \"%s\" ocupan %s "
     "de espacio en disco."},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "No se puede abrir el archivo de la nota."},
    {kOnly16BitPlayback, "Solo se pueden reproducir archivos WAV de 16 bits."},
    {kCannotOpenSpeakers, "No se pueden abrir los altavoces."},
    {kCannotOpenMicrophone,
     "No se puede abrir el micrófono. Es posible que otra aplicación ya lo esté usando."},
    {kDiskFull, "No se puede escribir el archivo de la nota. Es posible que el disco esté lleno."},
    {kNoteFull, "La nota alcanzó el tamaño máximo que admite un archivo WAV."},
    {kNoAudio,
     "No se detectó sonido procedente del micrófono.\n\nPresione el botón \"Ayuda\" si desea "
     "ayuda para ajustar el micrófono."},
    {kSelectANote, "Seleccione una nota antes de presionar este botón."},
    {kEraseSelectionQuestion, "¿Desea eliminar la parte seleccionada de la nota?"},
    {kReplaceSelectionQuestion,
     "¿Desea reemplazar la parte seleccionada de la nota?\n\n(Si responde \"No\", haga clic en el "
     "gráfico para elegir el punto de inserción.)"},
    {kNeedInsertionPoint, "Debe hacer clic en el gráfico para indicar el punto de inserción."},
    {kMonoOnly, "Solo se pueden insertar grabaciones en archivos WAV mono de 16 bits."},
    {kInserting, "Insertando"},
    {kAppending, "Agregando al final"},
    {kLengthSeconds, "%.1f segundos"},
    {kLengthOneMinute, "1 minuto %.1f segundos"},
    {kLengthMinutes, "%i minutos %.1f segundos"},
    {kNoteReadOnly, "Esta nota es de solo lectura. No tiene permiso para modificarla."},
    // Alarms.
    {kIntegerOutOfRange, "Escriba un número entero entre %i y %i."},
    // From h-dialogs.
    {kCloseButton, "Cerrar"},
    {kMinutesLabel, "minuto(s)"},
    {kSnoozeButton, "Posponer"},
    {kSnoozeForLabel, "Posponer por"},
    {kOkButton, "Aceptar"},
    {kCancelButton, "Cancelar"},
    {kHelpButton, "&Ayuda"},
    {kNewFolderNameLabel, "&Nombre de la nueva carpeta:"},
    {kCurrentFolderNameLabel, "Nombre actual de la carpeta:"},
    {kNoteNameLabel, "&Nombre:"},
    {kNoteFolderLabel, "&Carpeta:"},
    {kMoveNotesPrompt, "Seleccione la carpeta a la que desea mover las notas seleccionadas:"},
    {kFolderLabel, "Carpeta:"},
    {kCheckNotesToErase, "&Marque las notas que desea eliminar:"},
    {kCheckAll, "Marcar &todas"},
    {kUncheckAll, "&Desmarcar todas"},
    {kEraseButton, "&Eliminar"},
    {kNameLabel, "Nombre:"},
    {kQualityLabel, "Calidad:"},
    {kLengthLabel, "Duración:"},
    {kLastModifiedLabel, "Última modificación:"},
    {kFileSizeLabel, "Tamaño del archivo:"},
    {kLocationLabel, "Ubicación:"},
    {kAlarmTimeLabel, "&Hora de la alarma:"},
    {kScheduleGroup, "Programación"},
    {kOneTimeOnly, "Solo una &vez"},
    {kWeekly, "&Semanal"},
    {kMonthly, "&Mensual"},
    {kPlayOnLabel, "&Reproducir el:"},
    {kEraseAfterPlaying, "&Eliminar la nota después de la alarma"},
    {kDayOfMonthRadio, "&Día"},
    {kOfTheMonth, "del mes"},
    {kNthWeekdayRadio, "E&l"},
    {kSunShort, "dom"},
    {kMonShort, "lun"},
    {kTueShort, "mar"},
    {kWedShort, "mié"},
    {kThuShort, "jue"},
    {kFriShort, "vie"},
    {kSatShort, "sáb"},
    {kJanShort, "ene"},
    {kFebShort, "feb"},
    {kMarShort, "mar"},
    {kAprShort, "abr"},
    {kMayShort, "may"},
    {kJunShort, "jun"},
    {kJulShort, "jul"},
    {kAugShort, "ago"},
    {kSepShort, "sep"},
    {kOctShort, "oct"},
    {kNovShort, "nov"},
    {kDecShort, "dic"},
    {kAlarmOptionsGroup, "Opciones"},
    {kPlayToneBeforeNote, "Reproducir un &tono antes de la nota"},
    {kDisplayPopup, "Mostrar mensa&je emergente"},
    {kPopupMessageLabel, "Te&xto del mensaje:"},
    {kReplayEvery, "Re&petir cada"},
    {kReplayMinutesSuffix, "minuto(s), hasta 3 veces"},
    {kSetAlarm, "Esta&blecer alarma"},
    {kDisableAlarm, "Desact&ivar alarma"},
    {kDoNotShowAgain, "&No volver a mostrar este mensaje"},
    {kNoMailProgram,
     "No hay ningún programa de correo electrónico configurado para enviar mensajes desde "
     "Quillophone.\n\nElija un programa de correo predeterminado en la configuración de su "
     "escritorio e inténtelo de nuevo."},
    // From h-prefs.
    {kPreferencesTitle, "Preferencias"},
    {kAlarmsWithToday, "%i  (hoy: %i)"},
    {kWaveFile, "Archivo WAV"},
    {kRecordingQualityLabel, "Calidad de grabación"},
    {kQualityLowOption, "&Baja"},
    {kQualityMediumOption, "&Media"},
    {kQualityHighOption, "A&lta"},
    {kSkinLabel, "Má&scara:"},
    {kEmailFormatLabel, "Formato de correo &electrónico:"},
    {kDragFormatLabel, "Formato al a&rrastrar:"},
    {kMicrophoneEnhancementsOption, "Me&joras del micrófono"},
    {kShowOnTaskbarOption, "Mostrar &Quillophone en la barra de tareas"},
    {kShowTooltipsOption, "Mostrar in&formación sobre herramientas"},
    {kPromptForNameOption, "&Pedir un nombre para la nota después de grabar"},
    {kSoundEffectsOption, "Efectos de s&onido"},
    {kSkinPreviewName, "Vista previa de la máscara"},
    {kAboutTitle, "Acerca de Quillophone"},
    {kVersionWord, "Versión"},
    {kStatisticsGroup, "Estadísticas"},
    {kFoldersLabel, "Carpetas:"},
    {kNotesLabel, "Notas:"},
    {kAlarmsLabel, "Alarmas:"},
    {kDiskSpaceUsedLabel, "Espacio en disco usado:"},
    {kDiskSpaceAvailableLabel, "Espacio en disco disponible:"},
    {kMakerLine, "Tolvane Electronics"},
    {kLegalLine, "Copyright \u00a9 2026 Tolvane Electronics. Todos los derechos reservados."},
    {kWebSiteButton, "Sitio &web"},
    // From h-shell.
    {kTrayOpen, "&Abrir Quillophone..."},
    {kTrayHelp, "A&yuda..."},
    {kTrayPreferences, "&Preferencias..."},
    {kTrayEraseNotes, "&Eliminar notas..."},
    {kTrayAbout, "A&cerca de Quillophone..."},
    {kTrayClose, "Ce&rrar"},
};

}  // namespace

extern const LanguageStrings kSpanishStrings;
const LanguageStrings kSpanishStrings{2058, kSpanish, sizeof(kSpanish) / sizeof(kSpanish[0])};

}  // namespace qp
