#include "MaterialSystem/IVideoSource.h"

#include "MaterialSystem/MaterialSystem.h"

IVideoSource::~IVideoSource()
{
    if (_registeredWith)
        _registeredWith->SetVMR9(nullptr);
}
