#include "scenario/ScenarioSave.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/FlagNameFile.h"
#include "scenario/OwnLayout.h"

std::string SiblingPath(const std::string& scenarioPath, const char* extension) {
    const std::size_t keep = scenarioPath.size() >= 3 ? scenarioPath.size() - 3 : 0;
    return scenarioPath.substr(0, keep) + extension;
}

void SaveScenarioV2() {
    const bool saved = RunTrapped("SaveScenarioV2", [] {
        ScenFile.ScenFilePath = ProgramPath("\\scenario\\" + ScenFile.ScenFileName);
        // The name comes from the file dialog; it must not lead out of the scenario folder.
        if (!IsPlainFileName(ScenFile.ScenFileName)) RaiseError(err::BadFileName);
        const std::string tempPath = TempSaveFolder() + "/" + ScenFile.ScenFileName;

        // The image's storage is kept from one save to the next.
        static ByteWriter buffer;
        const auto image = WriteScenarioImage(Scen, ScenFile.SectionDirectory, buffer);
        WriteFileBytes(tempPath, image);
        ReplaceFileWithBytes(ScenFile.ScenFilePath, image);
    });
    if (saved) SaveScenData(Scen, SiblingPath(ScenFile.ScenFilePath, "vrd"));
}
