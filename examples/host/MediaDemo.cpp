#include "DemoRegistry.h"

#include "foundation/Base64.h"
#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "graphics/PdfDocument.h"

#include <cairo.h>

#include <iostream>
#include <string>

namespace {

using namespace platform::graphics;

// A 180 x 60 badge such as a company logo: a rounded blue plate with a white tick.
std::string logoDataUri()
{
    Image image(180, 60);
    cairo_t* cr = cairo_create(image.surface());
    cairo_new_sub_path(cr);
    cairo_arc(cr, 150, 30, 30, -1.5708, 1.5708);
    cairo_arc(cr, 30, 30, 30, 1.5708, 4.7124);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.1, 0.35, 0.75);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 9);
    cairo_move_to(cr, 62, 30);
    cairo_line_to(cr, 82, 48);
    cairo_line_to(cr, 120, 12);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image.surface());
    return "data:image/png;base64," + platform::Base64::encode(image.pngData());
}

std::string welcomeHtml()
{
    return R"(<html><head><title>Welcome</title><style>
body { font-family: "DejaVu Sans", sans-serif; color: #222; }
h1 { color: #1a4f9c; border-bottom: 2px solid #1a4f9c; padding-bottom: 4px; }
table { border-collapse: collapse; width: 100%; }
th { background: #1a4f9c; color: white; text-align: left; }
td, th { border: 1px solid #8aa4cc; padding: 6px 10px; }
tr.even td { background: #eef3fb; }
.total td { font-weight: bold; }
</style></head><body>
<img src=")" + logoDataUri() + R"(" alt="logo">
<h1>Welcome to the signing service</h1>
<p>This document was dropped as <b>HTML</b> and converted to PDF before it joins the transaction.</p>
<h2>Fees</h2>
<table><tr><th>Service</th><th>Signers</th><th>Price</th></tr>
<tr><td>Lease agreement</td><td>2</td><td>$12.00</td></tr>
<tr class="even"><td>Guarantor form</td><td>1</td><td>$4.00</td></tr>
<tr class="total"><td>Total</td><td>3</td><td>$16.00</td></tr></table>
<h2>What happens next</h2>
<ol><li>Every recipient receives an invitation.</li><li>Each one reviews and signs.</li>
<li>The signed document is sent to everyone.</li></ol>
<p><i>Questions?</i><br>Reply to the invitation e-mail.</p>
</body></html>)";
}

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
    const auto preview = context.outputDirectory / (fileName + ".page1.png");
    document->renderPage(0, 1.5)->writePng(preview);
    std::cout << "  " << fileName << " -> " << target.filename().string() << ": " << document->pageCount()
              << " page(s), first page " << size->width << " x " << size->height << " points, shown in "
              << preview.filename().string() << "\n";
}

host::DemoRegistration registration(30, "Converting dropped documents to PDF", [](const host::DemoContext& context) {
    const std::string html = welcomeHtml();
    convertAndReport(context, "Welcome.html", std::vector<std::uint8_t>(html.begin(), html.end()));
    convertAndReport(context, "Photo.jpg", samplePhoto());
    const std::string notText = "not an image";
    convertAndReport(context, "Broken.png", std::vector<std::uint8_t>(notText.begin(), notText.end()));
});

} // namespace
