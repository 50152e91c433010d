#include "scenario/ScenarioSave.h"

#include "platform/core/ErrorBox.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/StagedFile.h"
#include "scenario/FlagNameFile.h"
#include "scenario/OwnLayout.h"

#include <memory>

std::string SiblingPath(const std::string& scenarioPath, const char* extension) {
    const std::size_t keep = scenarioPath.size() >= 3 ? scenarioPath.size() - 3 : 0;
    return scenarioPath.substr(0, keep) + extension;
}

void SaveScenarioV2() {
    // Both files are written and flushed beside the old ones before either replaces its old
    // file, so that a save that fails leaves the scenario file and its flag names as a pair.
    std::unique_ptr<StagedFile> scenario;
    std::span<const std::uint8_t> image;
    const bool staged = RunTrapped("SaveScenarioV2", [&] {
        // The name comes from a file dialog or a file; it must not lead out of the folder.
        ScenFile.ScenFilePath = ScenarioFolderFile(ScenFile.ScenFileName);
        const std::string keptCopy = TempSaveFolder() + "/" + ScenFile.ScenFileName;
        // The image's storage is kept from one save to the next.
        static ByteWriter buffer;
        image = WriteScenarioImage(Scen, ScenFile.SectionDirectory, buffer);
        scenario = std::make_unique<StagedFile>(ScenFile.ScenFilePath);
        scenario->Write(image);
        KeepCopyOfStagedFile(*scenario, image, keptCopy);
    });
    if (!staged) return;
    const auto names = StageScenData(Scen, SiblingPath(ScenFile.ScenFilePath, "vrd"));
    if (!names) return;
    // The scenario file is replaced first, its old file kept aside until the flag names are in
    // place too, so that a failure leaves both files old or both new.
    if (!RunTrapped("SaveScenarioV2", [&] { scenario->CommitKeepingOld(); })) return;
    if (RunTrapped("SaveScenData", [&] { names->Commit(); })) return;
    const std::string stranded = scenario->PutOldBack();
    // The error above says the save failed; the author must also learn where the last save is.
    if (!stranded.empty())
        MsgBox("The old scenario file could not be put back.\r\nIt is kept as " + stranded,
               msgbox::Critical, "Error");
}
