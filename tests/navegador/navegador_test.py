#!/usr/bin/python3
"""A real browser against the web server: headless Chromium driven by Selenium
uploads declaracion_con_errores.xls, pages through the report (next, previous,
a page by number), opens the findings with their cells and downloads
ERRORES.TXT, which must equal what the command line writes, and the PDF.

    navegador_test.py KALDOREN20 WORKBOOKS [--captura ARCHIVO.png]

With --captura it saves a picture of the report's first page (the README's).
"""
import argparse
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions as EC
from selenium.webdriver.support.ui import WebDriverWait


def navegador(temporal, descargas):
    opciones = webdriver.ChromeOptions()
    opciones.binary_location = "/usr/bin/chromium"
    # Without the networking flags Chromium keeps trying hosts this machine
    # cannot reach.
    for bandera in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                    "--no-first-run", "--disable-background-networking",
                    "--disable-component-update", "--disable-sync", "--window-size=1200,1000", "--user-data-dir=" + temporal + "/perfil"):
        opciones.add_argument(bandera)
    opciones.add_experimental_option("prefs", {"download.default_directory": descargas,
                                               "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opciones)


def descargado(ruta):
    for _ in range(200):
        if os.path.exists(ruta) and not os.path.exists(ruta + ".crdownload"):
            with open(ruta, "rb") as f:
                return f.read()
        time.sleep(0.1)
    raise AssertionError("no se descargó " + ruta)


def probar(a, libro, puerto, temporal):
    descargas = os.path.join(temporal, "descargas")
    chrome = navegador(temporal, descargas)
    try:
        espera = WebDriverWait(chrome, 20)
        def hoja(n):
            espera.until(EC.text_to_be_present_in_element((By.CLASS_NAME, "cuenta"),
                                                          f"Hoja {n} de 5"))
        chrome.get(f"http://127.0.0.1:{puerto}/")
        assert chrome.find_element(By.TAG_NAME, "html").get_attribute("lang") == "es"
        chrome.find_element(By.NAME, "planilla").send_keys(libro)
        chrome.find_element(By.CSS_SELECTOR, "form.subida button").click()
        hoja(1)
        assert "INFORME DE VERIFICACION" in chrome.find_element(By.CLASS_NAME, "hoja").text
        if a.captura:
            chrome.save_screenshot(a.captura)
        for n in range(2, 6):
            chrome.find_element(By.LINK_TEXT, "Siguiente »").click()
            hoja(n)
        chrome.find_element(By.LINK_TEXT, "« Anterior").click()
        hoja(4)
        numero = chrome.find_element(By.NAME, "hoja")
        numero.clear()
        numero.send_keys("2")
        chrome.find_element(By.CSS_SELECTOR, "nav.paginas button").click()
        hoja(2)
        chrome.find_element(By.CSS_SELECTOR, "details.hallazgos summary").click()
        tabla = chrome.find_element(By.CSS_SELECTOR, "details.hallazgos table")
        espera.until(lambda _: tabla.is_displayed())
        assert "DATOSDOC!" in tabla.text, "la tabla de hallazgos no muestra sus celdas"
        chrome.find_element(By.PARTIAL_LINK_TEXT, "ERRORES.TXT").click()
        errores = descargado(os.path.join(descargas, "ERRORES.TXT"))
        chrome.find_element(By.PARTIAL_LINK_TEXT, "INFORME.PDF").click()
        assert descargado(os.path.join(descargas, "INFORME.PDF"))[:5] == b"%PDF-"
    finally:
        chrome.quit()
    cli = os.path.join(temporal, "cli")
    subprocess.run([a.programa, "verificar", libro, "--salida", cli], stdout=subprocess.DEVNULL)
    assert errores == descargado(os.path.join(cli, "ERRORES.TXT")), "ERRORES.TXT distinto"


def main():
    argumentos = argparse.ArgumentParser()
    argumentos.add_argument("programa")
    argumentos.add_argument("libros")
    argumentos.add_argument("--captura")
    a = argumentos.parse_args()
    libro = os.path.realpath(os.path.join(a.libros, "declaracion_con_errores.xls"))
    if not os.path.isfile(libro):
        print("sin libros de muestra: se omite")
        sys.exit(77)
    servidor = subprocess.Popen([a.programa, "servir", "--puerto", "0"], stderr=subprocess.PIPE,
                                text=True)
    try:
        puerto = int(re.search(r":(\d+)/$", servidor.stderr.readline().strip()).group(1))
        with tempfile.TemporaryDirectory() as temporal:
            probar(a, libro, puerto, temporal)
    except BaseException:
        servidor.kill()
        raise
    servidor.send_signal(signal.SIGTERM)
    assert servidor.wait(timeout=30) == 0
    print("navegador: subida, hojas y descargas correctas")


if __name__ == "__main__":
    main()
