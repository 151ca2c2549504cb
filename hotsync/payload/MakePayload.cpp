// Writes the payload, the handheld databases that the setup hands to the install aide, into the folder
// named on the command line.
#include "hotsync/AtomicFile.h"
#include "hotsync/payload/PayloadContent.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: make_payload FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const hotsync::payload::PayloadFile& file : hotsync::payload::BuildPayload()) {
            hotsync::WriteFileAtomically(folder, file.fileName, hotsync::palm::Serialize(file.database),
                                         hotsync::ExistingFile::Replace);
        }
    } catch (const std::exception& error) {
        std::cerr << "make_payload: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
