# The layers of the project: which folder may include which. Read by the build, which
# makes each layer of the module an object library that uses the layers below it, and
# by CheckLayers.cmake, which fails the build on any include outside these arrows.
#
#   app -> links, output, excel, model, settings, support, ui
#   links -> output, excel, model, settings, support, ui
#   output -> model, settings, support
#   excel -> settings, support
#   model -> settings, support
#   settings -> support, ui
#   support -> ui
#   every layer -> the seams: host (MicroStation), platform (Windows), automation
#                  (Excel and its companion add-in)
#
# The seams know no module code; sim, the stand-ins behind them, knows the seams and
# never the module; tools (the host shell) reaches the module only through its
# exports and key-in table, which it loads by name. tests and bench may include
# anything.

# The module's layers, lowest first, each with the layers it uses.
set(QV_LAYERS ui support settings model excel output links app)
set(QV_USES_ui "")
set(QV_USES_support ui)
set(QV_USES_settings support ui)
set(QV_USES_model settings support)
set(QV_USES_excel settings support)
set(QV_USES_output model settings support)
set(QV_USES_links output excel model settings support ui)
set(QV_USES_app links output excel model settings support ui)

# The seams and what lies outside the module.
set(QV_SEAMS host platform automation)
set(QV_USES_host platform)
set(QV_USES_platform "")
set(QV_USES_automation platform)
set(QV_USES_sim host platform automation)
set(QV_USES_tools sim host platform automation)

# Folders whose includes are not checked.
set(QV_FREE_FOLDERS tests bench)
