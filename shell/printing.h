#pragma once
// Printing a window's image, scaled to fit the page and centred. Only the default printer is
// used: without one nothing is printed and no file is written (Qt would quietly fall back to
// writing a PDF file).
class QImage;
class QPrinter;
class QString;

// False when there is no default printer or the printing failed.
bool printOnDefaultPrinter(const QImage& image, const QString& documentName);
// The same on a given printer (a PDF printer in tests).
bool printImage(const QImage& image, QPrinter& printer);
