// The frequency choices that follow the selections. The loaders stand where the
// selection handlers need them; until the VSWR rules are built here, the choices stay
// as they are.

#include "wizard/Configurator.h"

namespace cvn {

void TConfigurator::LoadWaveguideVSWR() {}

void TConfigurator::LoadFlexVSWR() {}

void TConfigurator::LoadCoaxVSWR() {}

void TConfigurator::LoadPressureWindowVSWR() {}

void TConfigurator::LoadStepTwistFrequencies() {}

void TConfigurator::ClearFrequencyChoices() {
    FrequencyChoices.clear();
    SelectedFrequency = -1;
}

} // namespace cvn
