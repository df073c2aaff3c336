// The English string table (language id 1033): every text under its string id. Placeholders
// (%i, %s) are those of the C library's printf.
#include "common/StringResource.h"

namespace qp {
namespace {

const StringResource kEnglish[] = {
    {1, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {3, "Personal"},
    {4, "Alarms"},
    {5, "To Do"},
    {6, "Business"},
    {7, " "},
    {8, " "},
    {9, " "},
    {10, " "},
    // Note operations.
    {33, "Are you sure you want to erase this note?"},
    {34, "Are you sure you want to erase these %i notes?"},
    {40,
     "A folder name cannot contain any of the following characters: "
     " \\ / : * ? < > | \""},
    {41, "A folder name cannot be longer than %i characters."},
    {42, "You must enter a name for the new folder."},
    {43, "You already have a folder by this name."},
    {44, "Unable to create a folder with this name."},
    {45, "Unable to rename the folder to this new name."},
    {46, "Are you sure you want to delete this folder and any notes in it?"},
    {47,
     "A note name cannot contain any of the following characters: "
     " \\ / : * ? < > | \""},
    {50, "Rename Folder"},
    {51, "You must select a folder from the list."},
    {52,
     "The note can not be moved because a note with the same name already exists in the "
     "folder."},
    {56, "          Tolvane Quillophone \n Push and Hold for quick record"},
    // E-mail.
    {78, "Tolvane Quillophone Message"},
    {79,
     "Sending e-mail from Quillophone is not supported by your e-mail program, or your e-mail "
     "needs to be configured to work with Quillophone.\n\nPress the \"Help\" button if you want "
     "help configuring your e-mail to work with Quillophone."},
    // Recording quality.
    {80, "Low"},
    {81, "Medium"},
    {82, "High"},
    // Alarms.
    {86, "First"},
    {87, "Second"},
    {88, "Third"},
    {89, "Fourth"},
    {90, "Last"},
    {91, "Sunday"},
    {92, "Monday"},
    {93, "Tuesday"},
    {94, "Wednesday"},
    {95, "Thursday"},
    {96, "Friday"},
    {97, "Saturday"},
    {98, "Alarm"},
    {99, "The alarm date and time has already passed.\n\nPlease enter a new date and/or time."},
    {100,
     "You have active alarms. Closing Quillophone will disable the alarms.\n\nDo you want to "
     "close Quillophone?"},
    {101, "You must specify at least one day of the week."},
    {102, "You must specify at least one month."},
    {105, "Do you want to erase all recorded notes?"},
    // Export formats and their credit lines.
    {119,
     "MP3 encoding by the LAME encoder library (libmp3lame), used under the GNU Lesser General "
     "Public License."},
    {120,
     "WMA conversion by the FFmpeg libraries (libavformat, libavcodec, libswresample), used "
     "under the GNU Lesser General Public License."},
    {121, "WMA File (Best Quality)"},
    {122, "WMA File (Smallest File)"},
    {123, "WMA File"},
    {124, "MP3 File"},
    {130, "The name is too long."},
    // Dropped files.
    {131, "You already have a note with this name: %s\n\nDo you want to replace it?"},
    // Folder and note dialogs.
    {135, "Sort Order"},
    {136, "Options:"},
    {137, "Prompt for Alarms"},
    {139, "Alphabetical"},
    {142, "Oldest First"},
    {143, "Newest First"},
    // The body paragraph of e-mailed notes.
    {144,
     "This message holds a voice note recorded with Tolvane Quillophone. Open the attachment to "
     "play it with your media player. If it does not play, a free "
     "player can be downloaded from the Tolvane Electronics web page."},
    {145, "Alarm Date"},
    {148, "Erase Note"},
    {149, "Move Notes"},
    {150, "Name Note"},
    {151, "New Folder"},
    {152, "Note Properties"},
};

}  // namespace

extern const LanguageStrings kEnglishStrings;
const LanguageStrings kEnglishStrings{1033, kEnglish, sizeof(kEnglish) / sizeof(kEnglish[0])};

}  // namespace qp
