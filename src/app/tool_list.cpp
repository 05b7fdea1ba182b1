#include "app/tool_manager.h"

namespace pelmora::app {

// Declares the tool's maker, which its own file in tools/ defines, and registers the tool.
#define PELMORA_REGISTER_TOOL(tools, Name)                          \
  do {                                                              \
    std::unique_ptr<Tool> make##Name(ToolContext context);          \
    (tools).registerTool(make##Name((tools).context()));            \
  } while (false)

// One line per tool, in the order of the Edit menu.
void registerTools(ToolManager& tools) {
  PELMORA_REGISTER_TOOL(tools, PaintTool);
  PELMORA_REGISTER_TOOL(tools, SelectTool);
  PELMORA_REGISTER_TOOL(tools, BucketFillTool);
  PELMORA_REGISTER_TOOL(tools, PickTool);
  PELMORA_REGISTER_TOOL(tools, AttributeTool);
}

#undef PELMORA_REGISTER_TOOL

}  // namespace pelmora::app
