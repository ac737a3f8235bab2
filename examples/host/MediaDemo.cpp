#include "DemoRegistry.h"

#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "graphics/PdfDocument.h"

#include <cairo.h>

#include <iostream>
#include <string>

namespace {

using namespace platform::graphics;

const std::string welcomeHtml = R"(<html><head><title>Welcome</title></head><body>
<h1>Welcome to the signing service</h1>
<p>This document was dropped as HTML and converted to PDF before it joins the transaction.</p>
<h2>What happens next</h2>
<ol><li>Every recipient receives an invitation.</li><li>Each one reviews and signs.</li>
<li>The signed document is sent to everyone.</li></ol>
<p>Questions?<br>Reply to the invitation e-mail.</p>
</body></html>)";

// A 600 x 400 picture: a sky gradient with a sun, as a dropped photo would be.
std::vector<std::uint8_t> samplePhoto()
{
    Image image(600, 400);
    cairo_t* cr = cairo_create(image.surface());
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 400);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.25, 0.5, 0.9);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.95, 0.85, 0.6);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    cairo_set_source_rgb(cr, 1, 0.8, 0.1);
    cairo_arc(cr, 450, 120, 60, 0, 6.2832);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image.surface());
    return ImageCodec::encodeJpeg(image, 0.75);
}

void convertAndReport(const host::DemoContext& context, const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    const auto target = context.outputDirectory / (fileName + ".pdf");
    if (!DocumentConverter::writePdf(fileName, bytes, {}, target)) {
        std::cout << "  " << fileName << ": could not be converted\n";
        return;
    }
    const auto document = PdfDocument::openFile(target);
    const auto size = document->pageSize(0);
    std::cout << "  " << fileName << " -> " << target.filename().string() << ": " << document->pageCount()
              << " page(s), first page " << size->width << " x " << size->height << " points\n";
}

host::DemoRegistration registration(30, "Converting dropped documents to PDF", [](const host::DemoContext& context) {
    convertAndReport(context, "Welcome.html", std::vector<std::uint8_t>(welcomeHtml.begin(), welcomeHtml.end()));
    convertAndReport(context, "Photo.jpg", samplePhoto());
    const std::string notText = "not an image";
    convertAndReport(context, "Broken.png", std::vector<std::uint8_t>(notText.begin(), notText.end()));
});

} // namespace
