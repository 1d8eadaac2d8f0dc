#include "catalogue/RunHandler.h"

#include "catalogue/Errors.h"
#include "catalogue/UserPrompts.h"

#include <exception>

namespace cvn {

bool RunHandler(TUserPrompts& prompts, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const EConvertError& e) {
        prompts.CatalogueError(e.what());
        return false;
    } catch (const std::exception& e) {
        prompts.Error(e.what());
        return false;
    }
}

} // namespace cvn
