# The plug-in's sources, listed once for every build of it: the Linux shared
# library and the Windows DLLs.
set(FOCARA_PLUGIN_SOURCES
  entry/ErrorReport.cpp
  entry/FilterMessages.cpp
  entry/Lifecycle.cpp
  entry/ParameterDialog.cpp
  entry/PluginMain.cpp
  suites/PString.cpp
  suites/SuitePointers.cpp
  params/ParamRecord.cpp
  params/Presets.cpp
  dialog/DialogBuilder.cpp
  dialog/DialogLayout.cpp
  dialog/DialogProcedures.cpp
  dialog/PresetAndTumble.cpp
  generator/ArtTransforms.cpp
  generator/Generator.cpp
  generator/LineColors.cpp
  generator/LineShapes.cpp
  generator/LineStyle.cpp
  generator/ShadowAndSketch.cpp
  generator/Swatches.cpp)
