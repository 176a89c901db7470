#!/usr/bin/python3
"""A real browser against the web server: headless Chromium driven by Selenium
uploads declaracion_con_errores.xls, pages through the report (next, previous,
a page by number), opens the findings with their cells and downloads ERRORES.TXT, which must equal what the command
line writes for the same workbook, and the PDF of the report.

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


def arrancar_servidor(programa):
    servidor = subprocess.Popen([programa, "servir", "--puerto", "0"], stderr=subprocess.PIPE,
                                text=True)
    linea = servidor.stderr.readline()
    puerto = re.search(r":(\d+)/$", linea.strip())
    if not puerto:
        servidor.kill()
        sys.exit("el servidor no dijo su puerto: " + linea)
    return servidor, int(puerto.group(1))


def navegador(descargas, carpeta_perfil):
    opciones = webdriver.ChromeOptions()
    opciones.binary_location = "/usr/bin/chromium"
    for bandera in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                    "--no-first-run", "--disable-background-networking",
                    "--disable-component-update", "--disable-sync",
                    "--window-size=1200,1000", "--user-data-dir=" + carpeta_perfil):
        opciones.add_argument(bandera)
    opciones.add_experimental_option("prefs", {
        "download.default_directory": descargas,
        "download.prompt_for_download": False,
    })
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opciones)


def esperar_archivo(ruta, segundos=20):
    limite = time.time() + segundos
    while time.time() < limite:
        if os.path.exists(ruta) and not os.path.exists(ruta + ".crdownload"):
            return
        time.sleep(0.1)
    sys.exit("no se descargó " + ruta)


def main():
    argumentos = argparse.ArgumentParser()
    argumentos.add_argument("programa")
    argumentos.add_argument("libros")
    argumentos.add_argument("--captura")
    a = argumentos.parse_args()
    libro = os.path.realpath(os.path.join(a.libros, "declaracion_con_errores.xls"))
    servidor, puerto = arrancar_servidor(a.programa)
    try:
        probar(a, libro, puerto)
    except BaseException:
        servidor.kill()
        raise
    servidor.send_signal(signal.SIGTERM)
    assert servidor.wait(timeout=30) == 0
    print("navegador: subida, hojas y descargas correctas")


def probar(a, libro, puerto):
    with tempfile.TemporaryDirectory() as temporal:
        descargas = os.path.join(temporal, "descargas")
        os.mkdir(descargas)
        chrome = navegador(descargas, os.path.join(temporal, "perfil"))
        try:
            espera = WebDriverWait(chrome, 20)
            chrome.get(f"http://127.0.0.1:{puerto}/")
            assert chrome.find_element(By.TAG_NAME, "html").get_attribute("lang") == "es"
            chrome.find_element(By.NAME, "planilla").send_keys(libro)
            chrome.find_element(By.CSS_SELECTOR, "form.subida button").click()
            espera.until(EC.text_to_be_present_in_element((By.CLASS_NAME, "cuenta"), "Hoja 1 de 5"))
            assert "INFORME DE VERIFICACION" in chrome.find_element(By.CLASS_NAME, "hoja").text
            if a.captura:
                chrome.save_screenshot(a.captura)
            for n in range(2, 6):
                chrome.find_element(By.LINK_TEXT, "Siguiente »").click()
                espera.until(EC.text_to_be_present_in_element((By.CLASS_NAME, "cuenta"),
                                                              f"Hoja {n} de 5"))
            chrome.find_element(By.LINK_TEXT, "« Anterior").click()
            espera.until(EC.text_to_be_present_in_element((By.CLASS_NAME, "cuenta"), "Hoja 4 de 5"))
            numero = chrome.find_element(By.NAME, "hoja")
            numero.clear()
            numero.send_keys("2")
            chrome.find_element(By.CSS_SELECTOR, "nav.paginas button").click()
            espera.until(EC.text_to_be_present_in_element((By.CLASS_NAME, "cuenta"), "Hoja 2 de 5"))
            chrome.find_element(By.CSS_SELECTOR, "details.hallazgos summary").click()
            tabla = chrome.find_element(By.CSS_SELECTOR, "details.hallazgos table")
            espera.until(lambda _: tabla.is_displayed())
            assert "DATOSDOC!" in tabla.text, "la tabla de hallazgos no muestra sus celdas"
            chrome.find_element(By.PARTIAL_LINK_TEXT, "ERRORES.TXT").click()
            esperar_archivo(os.path.join(descargas, "ERRORES.TXT"))
            chrome.find_element(By.PARTIAL_LINK_TEXT, "INFORME.PDF").click()
            esperar_archivo(os.path.join(descargas, "INFORME.PDF"))
        finally:
            chrome.quit()
        linea_de_comandos = os.path.join(temporal, "cli")
        subprocess.run([a.programa, "verificar", libro, "--salida", linea_de_comandos],
                       stdout=subprocess.DEVNULL, check=False)
        with open(os.path.join(descargas, "ERRORES.TXT"), "rb") as bajado, \
                open(os.path.join(linea_de_comandos, "ERRORES.TXT"), "rb") as escrito:
            assert bajado.read() == escrito.read(), "ERRORES.TXT bajado distinto del escrito"
        with open(os.path.join(descargas, "INFORME.PDF"), "rb") as pdf:
            assert pdf.read(5) == b"%PDF-", "INFORME.PDF no es un PDF"


if __name__ == "__main__":
    main()
