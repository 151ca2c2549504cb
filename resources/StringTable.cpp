#include "resources/SetupResources.h"

#include "resources/ResourceIds.h"

#include <utility>

namespace {

// English (United States); no text holds a line break.
const std::pair<unsigned int, const char*> kStrings[] = {
    {IDS_NO_USERS, "OlvexRemote setup cannot find HotSync users. Ensure that you have HotSync version 2 or "
                   "later installed on "
                   "your PC with created user account."},
    {IDS_USER_CANCELED, "User canceled the installation."},
    {IDS_USER_READ_FAILED, "OlvexRemote setup failed to read the user's information."},
    {IDS_SETUP_TITLE, "OlvexRemote for PalmOS Setup"},
    {IDS_CONFIRM_CANCEL, "Are you sure want to cancel OlvexRemote for PalmOS installation?"},
    {IDS_FILES_EXIST, "Setup Wizard detected that some files to install already exist in the user's install "
                      "folder. Press OK to "
                      "overwrite these files or Cancel to exit Setup Wizard."},
    {IDS_FILE_FAILED, "OlvexRemote Setup faced a problem while installing file %1!s!. Do you want to "
                      "continue the installation?"},
    {IDS_INTERNAL_ERROR, "OlvexRemote Setup cannot continue because of the internal error."},
};

}  // namespace

void RegisterSetupStrings(tk::ResourceModule& module)
{
    for (const auto& [id, text] : kStrings) {
        module.AddString(id, text);
    }
}
